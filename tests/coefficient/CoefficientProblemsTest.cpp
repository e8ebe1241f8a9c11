// The generator's checks of a balancing problem: each fault it must catch
// before the material is written.
#include "CoefficientProblems.h"

#include "ChemicalFormula.h"

#include <gtest/gtest.h>

namespace {

SourceProblem problemOf(const char* equation, std::vector<int> coefficients) {
    QStringList errors;
    const QString line = QStringLiteral("題名 | %1 | ").arg(QString::fromUtf8(equation));
    std::vector<SourceProblem> read = readProblemSource(line, errors);
    EXPECT_TRUE(errors.isEmpty());
    EXPECT_EQ(read.size(), 1u);
    SourceProblem p = read.empty() ? SourceProblem{} : read.front();
    p.coefficients = std::move(coefficients);
    return p;
}

TEST(CoefficientProblemsTest, ReadsTheTableOfTheSource) {
    QStringList errors;
    const auto problems = readProblemSource(
        QStringLiteral("# comment\n\nメタンの燃焼 | CH4 + O2 → CO2 + H2O | 1 2 1 2\n"
                       "壊れた行 | CH4 + O2 | 1\n"),
        errors);
    ASSERT_EQ(problems.size(), 1u);
    EXPECT_EQ(problems[0].title, QStringLiteral("メタンの燃焼"));
    EXPECT_EQ(problems[0].left, QStringList({"CH4", "O2"}));
    EXPECT_EQ(problems[0].right, QStringList({"CO2", "H2O"}));
    EXPECT_EQ(problems[0].coefficients, (std::vector<int>{1, 2, 1, 2}));
    EXPECT_EQ(errors.size(), 1);
}

TEST(CoefficientProblemsTest, AcceptsSoundProblems) {
    EXPECT_EQ(problemFaults(problemOf("CH4 + O2 → CO2 + H2O", {1, 2, 1, 2})), QStringList());
    EXPECT_EQ(problemFaults(problemOf("Al + H2SO4 → Al2(SO4)3 + H2", {2, 3, 1, 3})), QStringList());
    EXPECT_EQ(problemFaults(problemOf("Cu + HNO3 → Cu(NO3)2 + H2O + NO", {3, 8, 3, 4, 2})),
              QStringList());
}

TEST(CoefficientProblemsTest, CatchesEveryKindOfFault) {
    const struct {
        const char* name;
        const char* equation;
        std::vector<int> coefficients;
    } cases[] = {
        {"unbalanced", "CH4 + O2 → CO2 + H2O", {1, 1, 1, 2}},
        {"a multiple", "CH4 + O2 → CO2 + H2O", {2, 4, 2, 4}},
        {"coefficient above 8", "C3H6 + O2 → CO2 + H2O", {2, 9, 6, 6}},
        {"coefficient 0", "H2 + O2 → H2O + O2", {2, 1, 2, 0}},
        {"box count differs", "CH4 + O2 → CO2 + H2O", {1, 2, 1}},
        {"seven boxes", "H2 + H2 + H2 + O2 → H2O + H2O + H2O", {1, 1, 1, 1, 1, 1, 1}},
        {"seven left elements", "NaOH + KCl + H2S + CaO → NaCl + KOH + CaS", {1, 1, 1, 1, 1, 1, 1}},
        {"two-digit subscript", "C4H10 + O2 → CO2 + H2O", {2, 8, 8, 8}},
        {"subscript 1", "C1H4 + O2 → CO2 + H2O", {1, 2, 1, 2}},
        {"hydrate", "CuSO4·5H2O → CuSO4 + H2O", {1, 1, 5}},
        {"two groups", "Ca(OH)2 + Mg(OH)2 → Ca(OH)2(OH)2 + Mg", {1, 1, 1, 1}},
        {"nested group", "Ca((OH)2)2 → CaO2H4", {1, 1}},
        {"group without multiplier", "Na(OH) → NaOH", {1, 1}},
        {"not one solution", "H2 + O2 + H2O2 → H2O", {3, 1, 1, 4}},
        {"no element", "CH4 + o2 → CO2 + H2O", {1, 2, 1, 2}},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(problemFaults(problemOf(c.equation, c.coefficients)).isEmpty()) << c.name;
}

TEST(CoefficientProblemsTest, TheSetNeedsItsCountAndUniqueTitles) {
    std::vector<SourceProblem> set(3);
    for (int i = 0; i < 3; ++i)
        set[static_cast<std::size_t>(i)].title = QStringLiteral("題%1").arg(i);
    EXPECT_TRUE(problemSetFaults(set, 3).isEmpty());
    EXPECT_EQ(problemSetFaults(set, 65).size(), 1);
    set[2].title = set[0].title;
    EXPECT_EQ(problemSetFaults(set, 3).size(), 1);
}

TEST(ChemicalFormulaTest, ReadsFormulasAsChemistsWriteThem) {
    const struct {
        const char* formula;
        std::map<QString, int> atoms;
    } cases[] = {
        {"H2O", {{"H", 2}, {"O", 1}}},
        {"C4H10", {{"C", 4}, {"H", 10}}},
        {"Al2(SO4)3", {{"Al", 2}, {"S", 3}, {"O", 12}}},
        {"Ca3(PO4)2", {{"Ca", 3}, {"P", 2}, {"O", 8}}},
        {"K4(Fe(CN)6)", {{"K", 4}, {"Fe", 1}, {"C", 6}, {"N", 6}}},
        {"CuSO4·5H2O", {{"Cu", 1}, {"S", 1}, {"O", 9}, {"H", 10}}},
    };
    for (const auto& c : cases) {
        const Composition got = chemicalComposition(QString::fromUtf8(c.formula));
        EXPECT_TRUE(got.ok()) << c.formula << ": " << got.error.toStdString();
        EXPECT_EQ(got.atoms, c.atoms) << c.formula;
    }
    for (const char* bad : {"", "2H", "H2)", "(H2", "Ca()2", "h2o", "H02"})
        EXPECT_FALSE(chemicalComposition(QString::fromUtf8(bad)).ok()) << bad;
}

} // namespace
