// Reading the four data files, and every way they can be unusable.
#include "coefficient/CoefficientData.h"

#include "CoefficientTestSupport.h"
#include "util/DataError.h"

#include <functional>
#include <gtest/gtest.h>

using coefficient::CoefficientData;
using util::DataError;

namespace {

using namespace coefficientTest;

TEST(CoefficientDataTest, ReadsEveryProblemFromTheFourFiles) {
    std::vector<FixtureProblem> problems = standardProblems();
    problems[6].title = QStringLiteral("題名に, コンマ, がある");
    const CoefficientData data = textsOf(problems).load();

    const auto& first = data.problem(1);
    EXPECT_EQ(first.title, QStringLiteral("水素の燃焼"));
    EXPECT_EQ(first.boxCount(), 3);
    EXPECT_EQ(first.boxPositions, (std::vector<QPoint>{{60, 5}, {120, 5}, {180, 5}}));
    EXPECT_EQ(first.correct, (std::vector<int>{2, 1, 2}));
    EXPECT_EQ(first.left.formulas, QStringList({"H2", "O2"}));
    EXPECT_EQ(first.right.formulas, QStringList({"H2O"}));
    EXPECT_EQ(data.problem(7).title, QStringLiteral("題名に, コンマ, がある"));
    EXPECT_EQ(data.problem(65).boxCount(), 4);
    EXPECT_THROW(data.problem(66), std::out_of_range);
}

TEST(CoefficientDataTest, FieldsMaySpreadOverLinesAndASideEndsAtAnyZero) {
    FixtureTexts t = textsOf(standardProblems());
    // Problem 1 written one field a line, its sides ended by "0" and by 0.0.
    t.substances.replace(QStringLiteral("H2,O2,0,H2O,0\r\n"),
                         QStringLiteral("H2\r\nO2\r\n\"0\"\r\nH2O\r\n0.0\r\n"));
    const CoefficientData data = t.load();
    EXPECT_EQ(data.problem(1).left.formulas, QStringList({"H2", "O2"}));
    EXPECT_EQ(data.problem(1).right.formulas, QStringList({"H2O"}));
    EXPECT_EQ(data.problem(2).left.formulas, QStringList({"CH4", "O2"}));
}

struct BadData {
    const char* name;
    std::function<void(FixtureTexts&)> spoil;
    const char* file;
};

const QString firstProblem = QStringLiteral("H2,O2,0,H2O,0\r\n");

const BadData badData[] = {
    {"MoreThanSixBoxes", [](FixtureTexts& t) { t.positions.replace(0, 1, QStringLiteral("7")); },
     "\\係数\\座標.dat"},
    {"BoxOutsideTheWindow",
     [](FixtureTexts& t) { t.positions.replace(0, 4, QStringLiteral("3,900")); },
     "\\係数\\座標.dat"},
    {"TooFewPositions", [](FixtureTexts& t) { t.positions.chop(40); }, "\\係数\\座標.dat"},
    {"TooFewTitles",
     [](FixtureTexts& t) { t.titles = t.titles.section(QStringLiteral("\r\n"), 0, 60); },
     "\\係数\\問題.dat"},
    {"CoefficientNine", [](FixtureTexts& t) { t.answers.replace(0, 1, QStringLiteral("9")); },
     "\\係数\\正解.dat"},
    {"CoefficientZero", [](FixtureTexts& t) { t.answers.replace(0, 1, QStringLiteral("0")); },
     "\\係数\\正解.dat"},
    {"FewerFormulasThanBoxes",
     [](FixtureTexts& t) { t.substances.replace(firstProblem, QStringLiteral("H2,0,H2O,0\r\n")); },
     "\\係数\\物質.dat"},
    {"MoreFormulasThanBoxes",
     [](FixtureTexts& t) {
         t.substances.replace(firstProblem, QStringLiteral("H2,O2,0,H2O,H2,0\r\n"));
     },
     "\\係数\\物質.dat"},
    {"MoreThanTwentyFormulasOnASide",
     [](FixtureTexts& t) {
         t.substances.replace(firstProblem,
                              QStringLiteral("H,").repeated(21) + QStringLiteral("0,H2O,0\r\n"));
     },
     "\\係数\\物質.dat"},
    {"EmptySide",
     [](FixtureTexts& t) {
         t.substances.replace(firstProblem, QStringLiteral("0,H2,O2,H2O,0\r\n"));
     },
     "\\係数\\物質.dat"},
    {"FormulaTheParserRefuses",
     [](FixtureTexts& t) {
         t.substances.replace(firstProblem, QStringLiteral("H2,Ca(OH)2,0,H2O,0\r\n"));
     },
     "\\係数\\物質.dat"},
    {"SevenElementsOnTheLeft",
     [](FixtureTexts& t) {
         t.substances.replace(firstProblem, QStringLiteral("HCNO,NaKS,0,H2O,0\r\n"));
     },
     "\\係数\\物質.dat"},
    {"ElevenElementsInASubstance",
     [](FixtureTexts& t) {
         t.substances.replace(firstProblem, QStringLiteral("H2,HBCNOFPSKVY,0,H2O,0\r\n"));
     },
     "\\係数\\物質.dat"},
    {"SubstancesCutShort", [](FixtureTexts& t) { t.substances.chop(6); }, "\\係数\\物質.dat"},
};

class CoefficientBadData : public ::testing::TestWithParam<BadData> {};

TEST_P(CoefficientBadData, IsReportedNamingTheFile) {
    FixtureTexts t = textsOf(standardProblems());
    GetParam().spoil(t);
    try {
        t.load();
        FAIL() << "accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), QString::fromUtf8(GetParam().file)) << e.message().toStdString();
        // The learner's message names the file, however its folders are written.
        const QString name = QString::fromUtf8(GetParam().file).section(u'\\', -1);
        EXPECT_TRUE(e.message().contains(name)) << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Files, CoefficientBadData, ::testing::ValuesIn(badData),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CoefficientDataTest, AMissingFileOrPictureIsNamed) {
    try {
        CoefficientData::load(QStringLiteral("/nonexistent-chemdrill"));
        FAIL() << "accepted";
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), QStringLiteral("\\係数\\座標.dat"));
    }
}

} // namespace
