// The coefficient screen through its widgets, offscreen, over the generated
// material.
#include "coefficient/CoefficientForm.h"

#include "practice/PracticeChrome.h"
#include "support/ScreenFixture.h"
#include "util/MaterialPath.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/TextLabel.h"

#include <QTest>

#include <functional>
#include <gtest/gtest.h>

using coefficient::CoefficientForm;
using shell::ScreenId;
using util::materialPath;
using widgets::ImageBox;
using widgets::TextLabel;

namespace {

class CoefficientFormTest : public ScreenFixture {
protected:
    CoefficientForm* open() {
        return static_cast<CoefficientForm*>(navigator.show(ScreenId::Coefficient));
    }
    template <class T = QWidget> T* get(const QString& name) {
        T* w = control<T>(ScreenId::Coefficient, name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void click(const QString& name) {
        QTest::mouseClick(get(name), Qt::LeftButton, {}, QPoint(4, 4));
    }
    void clickBox(int j) { click(QStringLiteral("Image2_%1").arg(j)); }
    void clickDigit(int d) { click(QStringLiteral("Image4_%1").arg(d)); }
    ImageBox* box(int j) { return get<ImageBox>(QStringLiteral("Image2_%1").arg(j)); }
    QString text(const QString& name) { return get<TextLabel>(name)->text(); }
    bool shown(const QString& name) { return !get(name)->isHidden(); }
    QString face(const QString& file) {
        return materialPath(state.basePath, QStringLiteral("\\係数\\数字\\") + file);
    }
};

TEST_F(CoefficientFormTest, ControlsLieWhereTheLayoutPutsThem) {
    ASSERT_TRUE(open());
    const struct {
        const char* name;
        QRect rect;
    } expected[] = {
        {"Label1", {37, 24, 569, 33}},     {"Label2", {37, 30, 36, 26}},
        {"Label3", {68, 30, 37, 26}},      {"Label4", {104, 30, 36, 26}},
        {"Label5", {160, 31, 437, 26}},    {"Shape1", {133, 198, 476, 61}},
        {"Image3", {187, 210, 370, 38}},   {"Image4_1", {187, 210, 48, 38}},
        {"Image4_8", {509, 210, 48, 38}},  {"Image7", {133, 275, 476, 146}},
        {"Label9_1", {183, 288, 38, 20}},  {"Label9_2", {221, 288, 80, 20}},
        {"Label9_3", {306, 288, 40, 20}},  {"Label9_4", {353, 288, 17, 20}},
        {"Label14_1", {183, 393, 38, 20}}, {"Label15_1", {420, 286, 38, 20}},
        {"Label15_4", {591, 286, 17, 20}}, {"Label20_3", {544, 393, 40, 20}},
        {"Command3", {160, 443, 115, 35}}, {"Command4", {286, 443, 115, 35}},
        {"Command8", {286, 443, 115, 35}}, {"Command5", {412, 443, 115, 35}},
        {"command6", {538, 443, 115, 35}}, {"command7", {681, 443, 54, 35}},
        {"Command1", {621, 6, 115, 35}},   {"Command2", {621, 52, 115, 35}},
        {"Label7", {135, 206, 472, 46}},   {"Label8", {143, 219, 459, 31}},
    };
    for (const auto& e : expected)
        EXPECT_EQ(get(QString::fromUtf8(e.name))->geometry(), e.rect) << e.name;
}

TEST_F(CoefficientFormTest, AProblemIsShownWithItsPictureBoxesAndTable) {
    CoefficientForm* form = open();
    ASSERT_TRUE(form);
    const auto& practice = form->practice();
    const auto& problem = practice.problem();
    EXPECT_EQ(text(QStringLiteral("Label3")), QStringLiteral("1"));
    EXPECT_EQ(text(QStringLiteral("Label5")), problem.title);
    auto* equation = get<ImageBox>(QStringLiteral("Image1"));
    EXPECT_EQ(
        equation->picturePath(),
        materialPath(state.basePath,
                     QStringLiteral("\\係数\\問題\\m(%1).gif").arg(practice.currentProblem())));
    EXPECT_EQ(equation->pos(), QPoint(37, 96));
    EXPECT_EQ(equation->size(), QImage(equation->picturePath()).size());
    for (int j = 1; j <= 6; ++j) {
        EXPECT_EQ(shown(QStringLiteral("Image2_%1").arg(j)), j <= problem.boxCount()) << j;
        if (j <= problem.boxCount()) {
            EXPECT_EQ(box(j)->pos(), QPoint(37, 96) + problem.boxPositions[j - 1]) << j;
            EXPECT_EQ(box(j)->picturePath(), face(QStringLiteral("w.gif")));
        }
    }
    // The rows name the left-hand elements; the totals stay blank.
    const QStringList rows = practice.tableRows();
    for (int r = 1; r <= 6; ++r) {
        const bool used = r <= rows.size();
        EXPECT_EQ(shown(QStringLiteral("Label%1_1").arg(8 + r)), used) << r;
        EXPECT_EQ(shown(QStringLiteral("Label%1_2").arg(14 + r)), used) << r;
        EXPECT_FALSE(shown(QStringLiteral("Label%1_3").arg(8 + r))) << r;
        if (used) {
            EXPECT_EQ(text(QStringLiteral("Label%1_1").arg(14 + r)), rows[r - 1]);
        }
    }
    EXPECT_TRUE(shown(QStringLiteral("Command4")));
    EXPECT_FALSE(shown(QStringLiteral("Command8")));
    EXPECT_TRUE(text(QStringLiteral("Label6")).isEmpty());
}

TEST_F(CoefficientFormTest, TheEquationAndTheBoxesAreSpokenAsText) {
    CoefficientForm* form = open();
    ASSERT_TRUE(form);
    const auto& problem = form->practice().problem();
    EXPECT_TRUE(get(QStringLiteral("Image1"))->accessibleName().startsWith(QStringLiteral("□")));
    EXPECT_TRUE(get(QStringLiteral("Image1"))->accessibleName().contains(QStringLiteral(" → □")));
    EXPECT_EQ(get(QStringLiteral("Image4_3"))->accessibleName(), QStringLiteral("3"));
    EXPECT_EQ(box(1)->accessibleName(), QStringLiteral("係数1: 空き"));
    clickBox(1);
    clickDigit(problem.correct[0]);
    EXPECT_EQ(box(1)->accessibleName(),
              QStringLiteral("係数1: %1 入力した数字").arg(problem.correct[0]));
    click(QStringLiteral("command6"));
    EXPECT_EQ(box(1)->accessibleName(), QStringLiteral("係数1: %1 正解").arg(problem.correct[0]));
    click(QStringLiteral("Command4"));
    const QString firstRow = get(QStringLiteral("Label9_1"))->accessibleName();
    EXPECT_TRUE(firstRow.startsWith(QStringLiteral("左辺 ") + form->practice().tableRows()[0]))
        << firstRow.toStdString();
}

TEST_F(CoefficientFormTest, OneProblemSolvedEndToEndThenTheNext) {
    CoefficientForm* form = open();
    ASSERT_TRUE(form);
    const int first = form->practice().currentProblem();
    const auto correct = form->practice().problem().correct;
    const int boxes = static_cast<int>(correct.size());

    // A digit before any box is chosen only asks for a box.
    clickDigit(3);
    EXPECT_TRUE(shown(QStringLiteral("Label8")));
    EXPECT_EQ(text(QStringLiteral("Label8")),
              QStringLiteral("係数欄を選択した後、数字をクリックして下さい"));

    // Box 1 wrong at first, every other box right.
    for (int j = 1; j <= boxes; ++j) {
        clickBox(j);
        EXPECT_EQ(box(j)->picturePath(), face(QStringLiteral("r.gif")));
        const int d = j == 1 ? correct[0] % 8 + 1 : correct[static_cast<std::size_t>(j - 1)];
        clickDigit(d);
        EXPECT_EQ(box(j)->picturePath(), face(QStringLiteral("y%1.gif").arg(d)));
    }
    EXPECT_EQ(box(1)->picturePath(), face(QStringLiteral("w%1.gif").arg(correct[0] % 8 + 1)));

    click(QStringLiteral("Command4")); // 原子数表示
    EXPECT_FALSE(shown(QStringLiteral("Command4")));
    EXPECT_TRUE(shown(QStringLiteral("Command8")));
    const auto totals = form->practice().totals();
    EXPECT_EQ(text(QStringLiteral("Label9_3")), QString::number(totals[0].left));
    EXPECT_EQ(text(QStringLiteral("Label15_3")), QString::number(totals[0].right));

    click(QStringLiteral("command6")); // 解答判定
    EXPECT_EQ(box(1)->picturePath(), face(QStringLiteral("r_h%1.gif").arg(correct[0] % 8 + 1)));
    for (int j = 2; j <= boxes; ++j)
        EXPECT_EQ(box(j)->picturePath(),
                  face(QStringLiteral("g_h%1.gif").arg(correct[static_cast<std::size_t>(j - 1)])));
    EXPECT_EQ(text(QStringLiteral("Label6")), QString::number(10 * (boxes - 1)));
    EXPECT_TRUE(shown(QStringLiteral("Image8")));
    EXPECT_FALSE(shown(QStringLiteral("command7")));

    clock.advance(3);
    form->chrome().markTick();
    clickBox(1);
    clickDigit(correct[0]);
    EXPECT_EQ(text(QStringLiteral("Label9_3")),
              QString::number(form->practice().totals()[0].left)); // follows the digit
    click(QStringLiteral("command6"));
    EXPECT_EQ(box(1)->picturePath(), face(QStringLiteral("g_h%1.gif").arg(correct[0])));
    EXPECT_EQ(text(QStringLiteral("Label6")), QString::number(10 * boxes));
    ASSERT_TRUE(shown(QStringLiteral("command7")));

    click(QStringLiteral("command7")); // 次
    EXPECT_FALSE(shown(QStringLiteral("command7")));
    const auto& next = form->practice();
    EXPECT_NE(next.currentProblem(), first);
    EXPECT_EQ(text(QStringLiteral("Label3")), QStringLiteral("2"));
    EXPECT_EQ(text(QStringLiteral("Label6")), QString::number(10 * boxes));
    for (int j = 1; j <= 6; ++j) {
        EXPECT_EQ(shown(QStringLiteral("Image2_%1").arg(j)), j <= next.boxCount()) << j;
        if (j <= next.boxCount()) {
            EXPECT_EQ(box(j)->picturePath(), face(QStringLiteral("w.gif"))) << j;
        }
    }
    EXPECT_TRUE(shown(QStringLiteral("Command4")));
    EXPECT_FALSE(shown(QStringLiteral("Command8")));
    EXPECT_FALSE(shown(QStringLiteral("Label9_3")));
}

TEST_F(CoefficientFormTest, BoxesOfALargerProblemDoNotStayBehind) {
    CoefficientForm* form = open();
    ASSERT_TRUE(form);
    bool fewerAfterMore = false;
    for (int n = 0; n < 30 && !fewerAfterMore; ++n) {
        const auto correct = form->practice().problem().correct;
        const int before = static_cast<int>(correct.size());
        for (int j = 1; j <= before; ++j) {
            clickBox(j);
            clickDigit(correct[static_cast<std::size_t>(j - 1)]);
        }
        click(QStringLiteral("command6"));
        click(QStringLiteral("command7"));
        const int after = form->practice().boxCount();
        fewerAfterMore = after < before;
        for (int j = 1; j <= 6; ++j)
            ASSERT_EQ(shown(QStringLiteral("Image2_%1").arg(j)), j <= after) << j;
    }
    EXPECT_TRUE(fewerAfterMore);
}

TEST_F(CoefficientFormTest, EveryTitleFitsItsLabel) {
    CoefficientForm* form = open();
    ASSERT_TRUE(form);
    auto* label = get<TextLabel>(QStringLiteral("Label5"));
    const auto data = coefficient::CoefficientData::load(state.basePath);
    for (int n = 1; n <= coefficient::CoefficientData::problemCount; ++n)
        EXPECT_LE(label->fontMetrics().horizontalAdvance(data.problem(n).title), label->width())
            << n;
}

TEST_F(CoefficientFormTest, HidingTheCountsKeepsTheRowsAndTheirTexts) {
    ASSERT_TRUE(open());
    click(QStringLiteral("Command4"));
    EXPECT_TRUE(shown(QStringLiteral("Label9_3")));
    EXPECT_EQ(text(QStringLiteral("Label9_3")), QStringLiteral("0"));
    click(QStringLiteral("Command8"));
    EXPECT_FALSE(shown(QStringLiteral("Label9_3")));
    EXPECT_FALSE(shown(QStringLiteral("Label15_3")));
    EXPECT_TRUE(shown(QStringLiteral("Label9_1")));
    EXPECT_EQ(text(QStringLiteral("Label9_2")), QStringLiteral("の数　["));
    EXPECT_EQ(text(QStringLiteral("Label9_4")), QStringLiteral("]"));
    EXPECT_TRUE(shown(QStringLiteral("Command4")));
}

TEST_F(CoefficientFormTest, TheHighlightFollowsThePointerOverThePad) {
    CoefficientForm* form = open();
    ASSERT_TRUE(form);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    auto* one = get<ImageBox>(QStringLiteral("Image4_1"));
    auto* two = get<ImageBox>(QStringLiteral("Image4_2"));
    // On a real X server a pointer move arrives asynchronously: wait for the
    // state the move must lead to.
    auto moveTo = [](QWidget* w, const std::function<bool()>& settled) {
        QTest::mouseMove(w, QPoint(10, 10));
        return QTest::qWaitFor(settled, 2000);
    };
    // Entry 1 counts as highlighted at load, so moving onto it shows nothing yet.
    EXPECT_TRUE(moveTo(one, [&] { return form->chrome().hover().hovered() == 1; }));
    EXPECT_FALSE(one->hasPicture());
    EXPECT_TRUE(moveTo(two, [&] { return two->hasPicture(); }));
    EXPECT_EQ(two->picturePath(), face(QStringLiteral("r2.gif")));
    EXPECT_TRUE(moveTo(one, [&] { return one->hasPicture(); }));
    EXPECT_EQ(one->picturePath(), face(QStringLiteral("r1.gif")));
    EXPECT_FALSE(two->hasPicture());
}

TEST_F(CoefficientFormTest, ANewVisitStartsAtTheFirstQuestionWithoutRecentProblems) {
    CoefficientForm* form = open();
    ASSERT_TRUE(form);
    const int firstVisit = form->practice().currentProblem();
    click(QStringLiteral("Command2")); // メニュー
    settle();
    form = open();
    ASSERT_TRUE(form);
    EXPECT_EQ(text(QStringLiteral("Label3")), QStringLiteral("1"));
    EXPECT_NE(form->practice().currentProblem(), firstVisit);
    EXPECT_TRUE(text(QStringLiteral("Label6")).isEmpty());
    EXPECT_TRUE(errors.isEmpty());
}

} // namespace
