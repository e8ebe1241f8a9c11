// The mole screen through its widgets, offscreen: one question solved with
// the calculator's keys and 解答転送.
#include "mole/MoleForm.h"

#include "support/ScreenFixture.h"
#include "util/MaterialPath.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/TextLabel.h"

#include <QTest>

#include <gtest/gtest.h>

using mole::MoleForm;
using shell::ScreenId;
using util::materialPath;
using widgets::ImageBox;
using widgets::TextLabel;

namespace {

class MoleFormTest : public ScreenFixture {
protected:
    MoleForm* open() { return static_cast<MoleForm*>(navigator.show(ScreenId::Mole)); }

    template <class T = QWidget> T* get(const QString& name) {
        T* w = control<T>(ScreenId::Mole, name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void click(const QString& name) {
        QTest::mouseClick(get(name), Qt::LeftButton, {}, QPoint(4, 4));
    }
    // Types a number on the calculator: digits and the point.
    void type(const QString& number) {
        for (QChar c : number)
            click(QStringLiteral("command6_%1").arg(c == u'.' ? 10 : c.digitValue()));
    }
    QString text(int b) { return get<TextLabel>(QStringLiteral("Label2_%1").arg(b))->text(); }
    QString frame(int b) {
        return get<ImageBox>(QStringLiteral("Image9_%1").arg(b))->picturePath();
    }
    QString framePicture(const char* name) {
        return materialPath(state.basePath, QStringLiteral("\\モル\\枠\\%1.gif").arg(name));
    }
    QString display() { return get<TextLabel>(QStringLiteral("Label1"))->text(); }
    QString banner() {
        auto* label = get<TextLabel>(QStringLiteral("Label8"));
        return label->isHidden() ? QString() : label->text();
    }
    bool shown(const QString& name) { return !get(name)->isHidden(); }
};

TEST_F(MoleFormTest, ControlsLieWhereTheLayoutPutsThem) {
    ASSERT_TRUE(open());
    const struct {
        const char* name;
        QRect rect;
    } expected[] = {
        {"Image2", {12, 11, 607, 35}},     {"Image5", {12, 57, 556, 33}},
        {"Label3", {41, 64, 37, 23}},      {"Image4", {69, 101, 468, 328}},
        {"Image9_1", {241, 110, 95, 58}},  {"Image9_2", {241, 194, 95, 58}},
        {"Image9_3", {401, 177, 56, 35}},  {"Image9_4", {241, 278, 95, 58}},
        {"Image9_5", {241, 362, 95, 58}},  {"Label2_1", {245, 123, 88, 36}},
        {"Label2_2", {245, 208, 88, 36}},  {"Label2_3", {403, 180, 52, 28}},
        {"Label2_4", {245, 291, 88, 36}},  {"Label2_5", {245, 374, 88, 36}},
        {"Command8", {590, 386, 115, 35}}, {"Command3", {192, 445, 115, 35}},
        {"Command4", {343, 445, 115, 35}}, {"Command5", {491, 445, 115, 35}},
        {"command7", {650, 445, 54, 35}},  {"Frame1", {572, 97, 147, 336}},
    };
    for (const auto& e : expected)
        EXPECT_EQ(get(QString::fromLatin1(e.name))->geometry(), e.rect) << e.name;
    EXPECT_FALSE(shown(QStringLiteral("command7")));
}

TEST_F(MoleFormTest, QuestionStripAndGivenBoxes) {
    MoleForm* form = open();
    ASSERT_TRUE(form);
    const mole::MolePractice& rules = form->practice();
    const int s = rules.currentSubstance();
    EXPECT_EQ(get<ImageBox>(QStringLiteral("Image5"))->picturePath(),
              materialPath(state.basePath, QStringLiteral("\\モル\\問題\\m(%1).gif").arg(s)));
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("1"));
    const QString spoken = get(QStringLiteral("Image5"))->accessibleName();
    EXPECT_TRUE(spoken.startsWith(QStringLiteral("第1問 "))) << spoken.toStdString();
    EXPECT_TRUE(spoken.endsWith(QStringLiteral(") について空欄の値を求めよ")))
        << spoken.toStdString();
    for (int b = 1; b <= 5; ++b) {
        const bool given = rules.box(b).given;
        const char* size = b == 3 ? "2" : "1";
        EXPECT_EQ(frame(b), framePicture((std::string(given ? "y" : "w") + size).c_str())) << b;
        EXPECT_EQ(text(b).isEmpty(), !given) << b;
    }
}

TEST_F(MoleFormTest, OneQuestionSolvedWithTheCalculator) {
    MoleForm* form = open();
    ASSERT_TRUE(form);
    const mole::MolePractice& rules = form->practice();

    // Transfer before choosing a box: the banner, and the calculator untouched.
    type(QStringLiteral("12"));
    click(QStringLiteral("Command8"));
    EXPECT_EQ(banner(), QStringLiteral("解答欄を選択した後、実行して下さい"));
    EXPECT_EQ(display(), QStringLiteral("12"));
    click(QStringLiteral("command6_11")); // AC

    int open = 0;
    int last = 0;
    for (int b = 1; b <= 5; ++b) {
        if (rules.box(b).given)
            continue;
        ++open;
        last = b;
        click(QStringLiteral("Label2_%1").arg(b));
        EXPECT_EQ(frame(b), framePicture(b == 3 ? "b2" : "b1"));
        // Too many digits: refused, and the calculator starts again.
        type(QStringLiteral("1234567"));
        click(QStringLiteral("Command8"));
        EXPECT_EQ(banner(), QStringLiteral("解答の桁数が大きすぎます"));
        EXPECT_EQ(display(), QStringLiteral("0"));
        EXPECT_TRUE(text(b).isEmpty());

        const QString answer = rules.answers().rounded[static_cast<std::size_t>(b)];
        type(answer);
        click(QStringLiteral("Command8"));
        EXPECT_EQ(text(b), answer);
        EXPECT_EQ(display(), QStringLiteral("0"));
    }
    EXPECT_GE(open, 3);
    // The box just filled is read out with its row and text.
    const QString row = last == 5 ? QStringLiteral("D. 重さ") : QStringLiteral("C. 体積");
    EXPECT_EQ(get(QStringLiteral("Image9_%1").arg(last))->accessibleName(),
              row + QStringLiteral(": ") + text(last));

    click(QStringLiteral("Command5"));
    for (int b = 1; b <= 5; ++b) {
        if (!rules.box(b).given) {
            EXPECT_EQ(frame(b), framePicture(b == 3 ? "g2" : "g1")) << b;
        }
    }
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label6"))->text(), QString::number(10 * open));
    EXPECT_TRUE(shown(QStringLiteral("command7")));
    EXPECT_TRUE(shown(QStringLiteral("Image8"))); // the 正/誤 legend

    click(QStringLiteral("command7"));
    EXPECT_FALSE(shown(QStringLiteral("command7")));
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("2"));
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label6"))->text(), QString::number(10 * open));
    for (int b = 1; b <= 5; ++b)
        EXPECT_EQ(text(b).isEmpty(), !rules.box(b).given) << b;
}

TEST_F(MoleFormTest, PowerBoxIsReadWithItsRow) {
    MoleForm* form = open();
    ASSERT_TRUE(form);
    if (form->practice().box(3).given) {
        EXPECT_EQ(get(QStringLiteral("Image9_3"))->accessibleName(),
                  QStringLiteral("B. 分子数 指数: ") + text(3));
        return;
    }
    click(QStringLiteral("Image9_3"));
    EXPECT_EQ(get(QStringLiteral("Image9_3"))->accessibleName(),
              QStringLiteral("B. 分子数 指数: 選択中"));
    type(QStringLiteral("23"));
    click(QStringLiteral("Command8"));
    EXPECT_EQ(get(QStringLiteral("Image9_3"))->accessibleName(),
              QStringLiteral("B. 分子数 指数: 23"));
}

TEST_F(MoleFormTest, HistoryOutlivesTheVisit) {
    ASSERT_TRUE(open());
    const int first =
        static_cast<MoleForm*>(navigator.loaded(ScreenId::Mole))->practice().questionIndex();
    navigator.show(ScreenId::Menu);
    navigator.unload(ScreenId::Mole);
    settle();
    MoleForm* again = open();
    ASSERT_TRUE(again);
    EXPECT_NE(again->practice().questionIndex(), first);
    EXPECT_TRUE(state.moleQuestions.inUse(first));
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label3"))->text(), QStringLiteral("1"));
}

} // namespace
