// The rules of the formula exercise: entering, deleting, selecting, judging
// and moving to the next set.
#include "formula/FormulaPractice.h"

#include "FormulaTestSupport.h"
#include "util/Clock.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

using formula::FormulaPractice;
using formula::FormulaRow;
using formula::glyph;
using formula::IonPair;
using formula::PlacedGlyph;
using formula::RowMark;
using practice::Outcome;
using util::ManualClock;
using util::RecentMemory;

namespace {

using namespace formulaTest;

const QString chooseRowFirst = QStringLiteral("解答欄を選択した後、元素記号をクリックして下さい");
const QString chooseRowBeforeDeleting = QStringLiteral("解答欄を選択した後、実行して下さい");

// The set most tests work on, with each row's correct formula.
const std::pair<IonPair, const char*> standardSet[] = {
    {{1, 9}, "H2SO4"},  {{1, 7}, "CH3COOH"},    {{3, 2}, "NaCl"},        {{8, 1}, "Ca(OH)2"},
    {{12, 9}, "CuSO4"}, {{10, 9}, "Al2(SO4)3"}, {{8, 7}, "(CH3COO)2Ca"}, {{14, 1}, "Fe(OH)3"},
    {{6, 6}, "NH4NO3"}, {{6, 9}, "(NH4)2SO4"},
};

class FormulaPracticeTest : public ::testing::Test {
protected:
    FormulaPracticeTest() {
        std::vector<double> values;
        for (const auto& [pair, formula] : standardSet)
            values.push_back(
                valueFor(pairNumber(material(), pair.cation, pair.anion), material().pairCount()));
        random.script(values);
        practice.startSet();
    }

    // Selects the row and clicks the glyphs of a formula written as on paper.
    void enter(int row, const char* formula) {
        practice.selectRow(row);
        const QString codes = codesOf(QString::fromUtf8(formula));
        for (qsizetype i = 0; i < codes.size(); i += 2)
            practice.enterGlyph(codes.mid(i, 2).toInt());
    }
    void enterAllCorrect() {
        for (int r = 1; r <= 10; ++r)
            enter(r, standardSet[r - 1].second);
    }

    RecentMemory recent{300, 150, 101};
    ManualClock clock;
    ScriptedRandom random;
    FormulaPractice practice{material(), recent, clock, random};
};

TEST_F(FormulaPracticeTest, StartsWithTheDrawnNamesAndEmptyRows) {
    EXPECT_EQ(practice.row(1).name, QStringLiteral("硫酸"));
    EXPECT_EQ(practice.row(3).name, QStringLiteral("塩化ナトリウム"));
    EXPECT_EQ(practice.row(7).name, QStringLiteral("酢酸カルシウム"));
    for (int r = 1; r <= 10; ++r) {
        EXPECT_TRUE(practice.row(r).answerCode.isEmpty());
        EXPECT_EQ(practice.row(r).nextCell, 1);
        EXPECT_FALSE(practice.row(r).filled);
    }
    EXPECT_EQ(practice.selectedRow(), 0);
    EXPECT_FALSE(practice.isComplete());
}

// Glyph entry in one row. Widths: Na 2, O 1, H 1.
constexpr int Na = 17, O = 18, H = 11;
constexpr int deleteOne = -1, clearAll = -2;

struct EntryCase {
    const char* name;
    std::vector<int> steps; // glyph numbers, deleteOne or clearAll
    int nextCell;
    std::vector<std::pair<int, int>> cells; // (cell, glyph) of the pictures shown
};

void PrintTo(const EntryCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<int> repeated(int glyph, int times, std::vector<int> then = {}) {
    std::vector<int> steps(static_cast<std::size_t>(times), glyph);
    steps.insert(steps.end(), then.begin(), then.end());
    return steps;
}

std::vector<std::pair<int, int>> cellsOf(int glyph, int count, int width) {
    std::vector<std::pair<int, int>> cells;
    for (int i = 0; i < count; ++i)
        cells.push_back({1 + i * width, glyph});
    return cells;
}

class FormulaEntryTest : public FormulaPracticeTest,
                         public ::testing::WithParamInterface<EntryCase> {};

TEST_P(FormulaEntryTest, PlacesGlyphsByWidth) {
    const EntryCase& c = GetParam();
    practice.selectRow(4);
    for (int step : c.steps) {
        Outcome outcome = step == deleteOne  ? practice.deleteGlyph()
                          : step == clearAll ? practice.clearFormula()
                                             : practice.enterGlyph(step);
        EXPECT_TRUE(outcome.banner.isEmpty());
    }
    const FormulaRow& row = practice.row(4);
    EXPECT_EQ(row.nextCell, c.nextCell);
    std::vector<std::pair<int, int>> shown;
    QString code;
    for (const PlacedGlyph& g : practice.placedGlyphs(4)) {
        shown.push_back({g.cell, g.glyph});
        code += QString::number(g.glyph).rightJustified(2, u'0');
    }
    EXPECT_EQ(shown, c.cells);
    EXPECT_EQ(row.answerCode, code);
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, FormulaEntryTest,
    ::testing::Values(
        EntryCase{"wideThenNarrow", {Na, O}, 4, {{1, Na}, {3, O}}},
        EntryCase{"deleteTakesBackEachWidth", {Na, O, deleteOne}, 3, {{1, Na}}},
        EntryCase{"deleteDownToEmpty", {Na, O, deleteOne, deleteOne}, 1, {}},
        EntryCase{"deleteOnEmptyRowDoesNothing", {deleteOne, deleteOne}, 1, {}},
        EntryCase{"narrowInTheEleventhCell", repeated(O, 11), 12, cellsOf(O, 11, 1)},
        EntryCase{"wideDoesNotFitTheEleventhCell", repeated(O, 10, {Na}), 11, cellsOf(O, 10, 1)},
        EntryCase{"fullRowIgnoresEverything", repeated(O, 11, {O, H, Na}), 12, cellsOf(O, 11, 1)},
        EntryCase{"wideGlyphsStopAtTenCells", repeated(Na, 6), 11, cellsOf(Na, 5, 2)},
        EntryCase{"deleteAtTheLimitFreesRoom", repeated(Na, 5, {deleteOne, Na}), 11,
                  cellsOf(Na, 5, 2)},
        EntryCase{"clearThenStartAgain", {Na, O, clearAll, H}, 2, {{1, H}}},
        EntryCase{"clearOnEmptyRow", {clearAll}, 1, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormulaPracticeTest, WithoutAChosenRowOnlyTheBannerAnswers) {
    EXPECT_EQ(practice.enterGlyph(Na).banner, chooseRowFirst);
    EXPECT_EQ(practice.deleteGlyph().banner, chooseRowBeforeDeleting);
    EXPECT_EQ(practice.clearFormula().banner, chooseRowBeforeDeleting);
    for (int r = 1; r <= 10; ++r)
        EXPECT_TRUE(practice.row(r).answerCode.isEmpty());
    // Judging takes the choice away again.
    enter(2, "CH3");
    practice.judgeRows();
    EXPECT_EQ(practice.enterGlyph(O).banner, chooseRowFirst);
    EXPECT_EQ(practice.row(2).answerCode, codesOf(QStringLiteral("CH3")));
}

TEST_F(FormulaPracticeTest, ChoosingARowMovesTheShade) {
    enter(1, "SO4H2");
    enter(2, "HCH3COO");
    practice.judgeRows();
    ASSERT_EQ(practice.row(1).mark, RowMark::Wrong);
    ASSERT_EQ(practice.row(2).mark, RowMark::Wrong);

    practice.selectRow(1);
    EXPECT_EQ(practice.row(1).mark, RowMark::Selected);
    EXPECT_TRUE(practice.row(1).filled);
    practice.selectRow(3);
    // The red mark of row 1 went with the shade; row 2 keeps its own.
    EXPECT_FALSE(practice.row(1).filled);
    EXPECT_EQ(practice.row(2).mark, RowMark::Wrong);
    EXPECT_TRUE(practice.row(2).filled);
    EXPECT_EQ(practice.selectedRow(), 3);
    EXPECT_EQ(practice.shadedRow(), 3);
    // A wrong row keeps its glyphs and can be edited.
    practice.selectRow(1);
    practice.clearFormula();
    enter(1, "H2SO4");
    EXPECT_EQ(practice.judgeRows().newlyCorrect, 1);
}

TEST_F(FormulaPracticeTest, ACorrectRowIsLockedAndScoresOnce) {
    enter(3, "NaCl");
    practice.selectRow(5);
    Outcome first = practice.judgeRows();
    EXPECT_EQ(first.newlyCorrect, 1);
    EXPECT_TRUE(first.showMark);
    EXPECT_EQ(practice.row(3).mark, RowMark::Correct);
    EXPECT_EQ(practice.selectedRow(), 0);
    EXPECT_EQ(practice.shadedRow(), 0);
    EXPECT_EQ(practice.row(5).mark, RowMark::Black); // empty rows are filled black
    EXPECT_TRUE(practice.row(5).filled);

    practice.selectRow(4);
    practice.selectRow(3); // locked: the choice stays with row 4
    EXPECT_EQ(practice.selectedRow(), 4);
    EXPECT_EQ(practice.row(4).mark, RowMark::Selected);
    EXPECT_EQ(practice.row(3).mark, RowMark::Correct);

    Outcome again = practice.judgeRows();
    EXPECT_EQ(again.newlyCorrect, 0);
    EXPECT_FALSE(again.showMark); // nothing left to judge
    EXPECT_EQ(practice.row(3).mark, RowMark::Correct);
}

TEST_F(FormulaPracticeTest, JudgingEmptyRowsShowsNoLegend) {
    practice.selectRow(6);
    Outcome outcome = practice.judgeRows();
    EXPECT_FALSE(outcome.showMark);
    EXPECT_EQ(outcome.newlyCorrect, 0);
    EXPECT_EQ(practice.selectedRow(), 0);
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(practice.row(r).mark, RowMark::Black);
        EXPECT_TRUE(practice.row(r).filled);
    }
}

TEST_F(FormulaPracticeTest, ThreeRightAndTwoWrong) {
    enter(1, "H2SO4");
    enter(3, "NaCl");
    enter(6, "Al2(SO4)3");
    enter(4, "CaOH2");
    enter(5, "Cu(SO4)");
    Outcome outcome = practice.judgeRows();
    EXPECT_EQ(outcome.newlyCorrect, 3);
    EXPECT_TRUE(outcome.showMark);
    EXPECT_EQ(practice.row(4).mark, RowMark::Wrong);
    EXPECT_EQ(practice.row(5).mark, RowMark::Wrong);
    EXPECT_FALSE(practice.isComplete());
}

TEST_F(FormulaPracticeTest, ACompleteSetWaitsForNext) {
    EXPECT_TRUE(practice.nextSet().banner.isEmpty());
    EXPECT_EQ(practice.row(1).name, QStringLiteral("硫酸")); // 次 does nothing before the end
    enterAllCorrect();
    EXPECT_EQ(practice.judgeRows().newlyCorrect, 10);
    ASSERT_TRUE(practice.isComplete());

    // Everything but 次 is still; not even the banner answers.
    practice.selectRow(2);
    EXPECT_EQ(practice.selectedRow(), 0);
    EXPECT_TRUE(practice.enterGlyph(O).banner.isEmpty());
    EXPECT_TRUE(practice.deleteGlyph().banner.isEmpty());
    EXPECT_TRUE(practice.clearFormula().banner.isEmpty());
    const Outcome judged = practice.judgeRows();
    EXPECT_FALSE(judged.showMark);
    EXPECT_EQ(judged.newlyCorrect, 0);

    std::vector<double> lithiumSalts; // pairs 11..20, none of them asked yet
    for (int n = 11; n <= 20; ++n)
        lithiumSalts.push_back(valueFor(n, material().pairCount()));
    random.script(lithiumSalts);
    EXPECT_TRUE(practice.nextSet().newQuestion);
    EXPECT_FALSE(practice.isComplete());
    EXPECT_EQ(practice.row(1).name, QStringLiteral("水酸化リチウム"));
    for (int r = 1; r <= 10; ++r) {
        EXPECT_FALSE(practice.row(r).correct);
        EXPECT_FALSE(practice.row(r).filled);
        EXPECT_TRUE(practice.row(r).answerCode.isEmpty());
        EXPECT_EQ(practice.row(r).nextCell, 1);
    }
}

TEST_F(FormulaPracticeTest, TheIonTableGetsTheChosenCompound) {
    EXPECT_EQ(practice.ionTableSubstance(), QString());
    practice.selectRow(4);
    EXPECT_EQ(practice.ionTableSubstance(), QStringLiteral("水酸化カルシウム"));
    practice.judgeRows();
    EXPECT_EQ(practice.ionTableSubstance(), QString());
}

struct JudgeCase {
    const char* name;
    int row;
    const char* entered;
    bool correct;
};

void PrintTo(const JudgeCase& c, std::ostream* os) {
    *os << c.name;
}

class FormulaJudgeTest : public FormulaPracticeTest,
                         public ::testing::WithParamInterface<JudgeCase> {};

TEST_P(FormulaJudgeTest, OnlyTheBuiltGlyphOrderIsCorrect) {
    const JudgeCase& c = GetParam();
    enter(c.row, c.entered);
    const Outcome outcome = practice.judgeRows();
    EXPECT_EQ(practice.row(c.row).correct, c.correct);
    EXPECT_EQ(practice.row(c.row).mark, c.correct ? RowMark::Correct : RowMark::Wrong);
    EXPECT_EQ(outcome.newlyCorrect, c.correct ? 1 : 0);
    EXPECT_TRUE(outcome.showMark);
}

INSTANTIATE_TEST_SUITE_P(
    Formulas, FormulaJudgeTest,
    ::testing::Values(JudgeCase{"sulfuricAcid", 1, "H2SO4", true},
                      JudgeCase{"sulfuricAcidAnionFirst", 1, "SO4H2", false},
                      JudgeCase{"aceticAcid", 2, "CH3COOH", true},
                      JudgeCase{"aceticAcidHydrogenFirst", 2, "HCH3COO", false},
                      JudgeCase{"sodiumChloride", 3, "NaCl", true},
                      JudgeCase{"sodiumChlorideReversed", 3, "ClNa", false},
                      JudgeCase{"calciumHydroxide", 4, "Ca(OH)2", true},
                      JudgeCase{"calciumHydroxideWithoutParentheses", 4, "CaOH2", false},
                      JudgeCase{"copperSulfate", 5, "CuSO4", true},
                      JudgeCase{"copperSulfateWithParentheses", 5, "Cu(SO4)", false},
                      JudgeCase{"aluminiumSulfate", 6, "Al2(SO4)3", true},
                      JudgeCase{"calciumAcetate", 7, "(CH3COO)2Ca", true},
                      JudgeCase{"calciumAcetateCationFirst", 7, "Ca(CH3COO)2", false},
                      JudgeCase{"ironHydroxideIonGlyphsSwapped", 8, "Fe(HO)3", false},
                      JudgeCase{"ammoniumNitrate", 9, "NH4NO3", true},
                      JudgeCase{"ammoniumNitrateWithParentheses", 9, "(NH4)(NO3)", false},
                      JudgeCase{"ammoniumSulfate", 10, "(NH4)2SO4", true},
                      JudgeCase{"onlyBegun", 10, "(NH4)2SO", false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
