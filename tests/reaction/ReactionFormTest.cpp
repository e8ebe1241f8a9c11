// The reaction screen through its widgets, offscreen.
#include "reaction/ReactionForm.h"

#include "ReactionTestSupport.h"
#include "app/ScreenFactory.h"
#include "shell/FormWindow.h"
#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/Clock.h"
#include "util/DataError.h"
#include "util/MaterialPath.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/TextLabel.h"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

using reaction::ReactionForm;
using shell::ScreenId;
using util::materialPath;
using widgets::ImageBox;
using widgets::TextLabel;

namespace {

using namespace reactionTest;

// The real navigator and screens over the generated material, with a manual
// clock and a scripted random source, so the question is chosen by the test.
class ReactionFormTest : public ::testing::Test {
protected:
    ReactionFormTest() : navigator(state, clock, random, app::createScreen) {
        state.basePath = materialDir();
        navigator.setErrorReporter([this](const util::DataError& e) { errors << e.message(); });
        navigator.setQuitHandler([] {});
    }
    ~ReactionFormTest() override {
        for (int i = 0; i < 3; ++i) {
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
    }

    // Opens the screen on question q with column `given` holding the given
    // value and 0.2 × r moles per unit of coefficient.
    ReactionForm* open(int q, int given, int n, int r) {
        random.script({questionValue(q), columnValue(given, n), amountValue(r)});
        return static_cast<ReactionForm*>(navigator.show(ScreenId::Reaction));
    }
    template <class T = QWidget> T* get(const QString& name) {
        shell::FormWindow* w = navigator.loaded(ScreenId::Reaction);
        T* control = w ? w->findChild<T*>(name) : nullptr;
        EXPECT_NE(control, nullptr) << name.toStdString();
        return control;
    }
    void click(const QString& name) {
        QTest::mouseClick(get(name), Qt::LeftButton, {}, QPoint(4, 4));
    }
    // Types a number on the calculator's keys.
    void type(const QString& number) {
        for (const QChar ch : number)
            click(QStringLiteral("command6_%1").arg(ch == u'.' ? 10 : ch.digitValue()));
    }
    // Chooses cell c, types the value and transfers it.
    void fill(int c, const QString& value) {
        click(QStringLiteral("Label2_%1").arg(c));
        type(value);
        click(QStringLiteral("Command8"));
    }
    ReactionForm* form() {
        return static_cast<ReactionForm*>(navigator.loaded(ScreenId::Reaction));
    }
    bool shown(const QString& name) { return !get(name)->isHidden(); }
    QString caption(const QString& name) { return get<TextLabel>(name)->text(); }
    QString frame(int c) {
        return get<ImageBox>(QStringLiteral("Image9_%1").arg(c))->picturePath();
    }
    QString framePicture(const char* letter) {
        return materialPath(state.basePath,
                            QStringLiteral("\\反応量\\枠\\%1.gif").arg(QLatin1String(letter)));
    }

    shell::ProgramState state;
    util::ManualClock clock{36000};
    ScriptedRandom random;
    shell::Navigator navigator;
    QStringList errors;
};

TEST_F(ReactionFormTest, ControlsLieWhereTheLayoutPutsThem) {
    ASSERT_TRUE(open(1, 1, 3, 1));
    const struct {
        const char* name;
        QRect rect;
    } expected[] = {
        {"Image2", {12, 11, 607, 35}},      {"Image5", {12, 57, 556, 33}},
        {"Label3", {38, 65, 37, 23}},       {"Image10", {17, 106, 479, 35}},
        {"Image4", {17, 157, 542, 259}},    {"Image11_1", {110, 157, 113, 43}},
        {"Image11_4", {446, 157, 113, 43}}, {"Image9_1", {111, 200, 111, 71}},
        {"Image9_6", {223, 344, 111, 71}},  {"Image9_10", {447, 200, 111, 71}},
        {"Image9_12", {447, 344, 111, 71}}, {"Label2_1", {123, 218, 88, 36}},
        {"Label2_5", {235, 290, 88, 36}},   {"Label2_12", {459, 362, 88, 36}},
        {"Frame1", {572, 97, 147, 336}},    {"Command3", {192, 445, 115, 35}},
        {"Command4", {343, 445, 115, 35}},  {"Command5", {491, 445, 115, 35}},
        {"Command8", {590, 386, 115, 35}},  {"command7", {650, 445, 54, 35}},
        {"Label7", {66, 249, 472, 46}},     {"Label8", {74, 262, 459, 31}},
    };
    for (const auto& e : expected)
        EXPECT_EQ(get(QString::fromUtf8(e.name))->geometry(), e.rect) << e.name;
    for (int c = 1; c <= 12; ++c) {
        const QRect label = get(QStringLiteral("Label2_%1").arg(c))->geometry();
        const QRect frameRect = get(QStringLiteral("Image9_%1").arg(c))->geometry();
        EXPECT_LE((label.center() - frameRect.center()).manhattanLength(), 1) << "centred " << c;
    }
}

TEST_F(ReactionFormTest, OneQuestionCompletedWithTheCalculatorKeys) {
    // Question 1: N2 + 3H2 → 2NH3, moles given; N2's 0.2 mol is drawn as given.
    ASSERT_TRUE(open(1, 1, 3, 1));
    EXPECT_EQ(caption(QStringLiteral("Label3")), QStringLiteral("1"));
    EXPECT_EQ(caption(QStringLiteral("Label2_1")), QStringLiteral("0.2"));
    EXPECT_EQ(frame(1), framePicture("y"));
    EXPECT_TRUE(caption(QStringLiteral("Label6")).isEmpty());

    const struct {
        int cell;
        const char* typed;
    } answers[] = {
        {2, "4.48"}, {3, "5.6"},               // N2: 22.4 × 0.2, 28 × 0.2
        {4, "0.6"},  {5, "13.44"}, {6, "1.2"}, // 3 H2
        {7, "0.4"},  {8, "8.96"},  {9, "6.8"}, // 2 NH3
    };
    for (const auto& a : answers) {
        fill(a.cell, QString::fromLatin1(a.typed));
        EXPECT_EQ(frame(a.cell), framePicture("b")) << a.cell;
        EXPECT_EQ(form()->calculator().displayText(), QStringLiteral("0"));
    }
    EXPECT_EQ(caption(QStringLiteral("Label2_2")), QStringLiteral("4.5"));
    EXPECT_EQ(caption(QStringLiteral("Label2_8")), QStringLiteral("9.0"));

    click(QStringLiteral("Command5"));
    for (const auto& a : answers)
        EXPECT_EQ(frame(a.cell), framePicture("g")) << a.cell;
    EXPECT_EQ(caption(QStringLiteral("Label6")), QStringLiteral("80"));
    EXPECT_TRUE(shown(QStringLiteral("Image8"))) << "the 正/誤 legend";
    ASSERT_TRUE(shown(QStringLiteral("command7")));

    random.script({questionValue(16), columnValue(2, 2), amountValue(1)});
    click(QStringLiteral("command7"));
    EXPECT_FALSE(shown(QStringLiteral("command7")));
    EXPECT_EQ(caption(QStringLiteral("Label3")), QStringLiteral("2"));
    EXPECT_EQ(caption(QStringLiteral("Label6")), QStringLiteral("80"));
    EXPECT_EQ(frame(1), framePicture("w"));
    EXPECT_TRUE(caption(QStringLiteral("Label2_2")).isEmpty());
}

TEST_F(ReactionFormTest, ColumnsBeyondTheReactionStayHidden) {
    // Question 16: 3O2 → 2O3, moles given.
    ASSERT_TRUE(open(16, 2, 2, 1));
    EXPECT_EQ(get<ImageBox>(QStringLiteral("Image4"))->picturePath(),
              materialPath(state.basePath, QStringLiteral("\\反応量\\表\\h(2).gif")));
    EXPECT_EQ(get<ImageBox>(QStringLiteral("Image10"))->picturePath(),
              materialPath(state.basePath, QStringLiteral("\\反応量\\反応式\\s(6).gif")));
    for (int i = 1; i <= 4; ++i)
        EXPECT_EQ(shown(QStringLiteral("Image11_%1").arg(i)), i <= 2) << i;
    for (int c = 1; c <= 12; ++c) {
        EXPECT_EQ(shown(QStringLiteral("Image9_%1").arg(c)), c <= 6) << c;
        EXPECT_EQ(shown(QStringLiteral("Label2_%1").arg(c)), c <= 6) << c;
    }
    EXPECT_EQ(caption(QStringLiteral("Label2_4")), QStringLiteral("0.4")) << "2 O3 at 0.2 mol";
}

TEST_F(ReactionFormTest, PicturesAndCellsSayWhatTheyShow) {
    ASSERT_TRUE(open(16, 2, 2, 1));
    EXPECT_EQ(get(QStringLiteral("Image10"))->accessibleName(), QStringLiteral("3O₂ → 2O₃"));
    EXPECT_EQ(get(QStringLiteral("Image11_1"))->accessibleName(), QStringLiteral("酸素 O₂"));
    EXPECT_EQ(get(QStringLiteral("Image11_2"))->accessibleName(), QStringLiteral("オゾン O₃"));
    EXPECT_EQ(get(QStringLiteral("Label2_4"))->accessibleName(),
              QStringLiteral("モル数 (O₃): 0.4"));
    EXPECT_EQ(get(QStringLiteral("Image9_2"))->accessibleName(), QStringLiteral("体積 (O₂): 空欄"));
    fill(2, QStringLiteral("13.44"));
    EXPECT_EQ(get(QStringLiteral("Label2_2"))->accessibleName(), QStringLiteral("体積 (O₂): 13.4"));
    EXPECT_EQ(get(QStringLiteral("Image9_2"))->accessibleDescription(), QStringLiteral("選択中"));
}

TEST_F(ReactionFormTest, TransferWithoutAChosenCellShowsTheBanner) {
    ASSERT_TRUE(open(1, 1, 3, 1));
    type(QStringLiteral("12"));
    click(QStringLiteral("Command8"));
    EXPECT_TRUE(shown(QStringLiteral("Label8")));
    EXPECT_EQ(caption(QStringLiteral("Label8")),
              QStringLiteral("解答欄を選択した後、実行して下さい"));
    EXPECT_EQ(form()->calculator().displayText(), QStringLiteral("12"));

    fill(2, QStringLiteral("179.2")); // 5 characters where 4.5 has 3
    EXPECT_EQ(caption(QStringLiteral("Label8")), QStringLiteral("解答の桁数が大きすぎます"));
    EXPECT_TRUE(caption(QStringLiteral("Label2_2")).isEmpty());
    EXPECT_EQ(form()->calculator().displayText(), QStringLiteral("0"));
}

} // namespace
