// Reading a molecular formula into atom counts, and the molar mass from the
// strip's weights.
#include "chemistry/ChemicalFormula.h"

#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <string>

using chemistry::readFormula;

namespace {

struct FormulaCase {
    std::string formula;
    std::map<std::string, int> atoms; // empty: the formula is refused
    int errorAt = 0;
};

void PrintTo(const FormulaCase& c, std::ostream* os) {
    *os << '"' << c.formula << '"';
}

class FormulaReadTest : public testing::TestWithParam<FormulaCase> {};

TEST_P(FormulaReadTest, CountsAtomsOrPointsAtTheFault) {
    const FormulaCase& c = GetParam();
    const chemistry::FormulaReading r = readFormula(QString::fromStdString(c.formula));
    std::map<std::string, int> atoms;
    for (const auto& [symbol, n] : r.atoms)
        atoms[symbol.toStdString()] = n;
    EXPECT_EQ(atoms, c.atoms);
    EXPECT_EQ(r.ok, !c.atoms.empty());
    if (!r.ok) {
        EXPECT_EQ(r.errorAt, c.errorAt);
        EXPECT_FALSE(r.error.isEmpty());
    }
}

INSTANTIATE_TEST_SUITE_P(Formulas, FormulaReadTest,
                         testing::Values(FormulaCase{"CO", {{"C", 1}, {"O", 1}}},
                                         FormulaCase{"Cl2", {{"Cl", 2}}},
                                         FormulaCase{"C3H8", {{"C", 3}, {"H", 8}}},
                                         FormulaCase{"CH3COOH", {{"C", 2}, {"H", 4}, {"O", 2}}},
                                         FormulaCase{"(CH3)2O", {{"C", 2}, {"H", 6}, {"O", 1}}},
                                         FormulaCase{"C10H22", {{"C", 10}, {"H", 22}}},
                                         FormulaCase{"", {}, 0}, FormulaCase{"co2", {}, 0},
                                         FormulaCase{"C0", {}, 1}, FormulaCase{"(CH3", {}, 0},
                                         FormulaCase{"CH3)", {}, 3}, FormulaCase{"C2H6-", {}, 4},
                                         FormulaCase{"H99999", {}, 1}));

TEST(MolarMass, FromTheStripWeights) {
    EXPECT_EQ(chemistry::molarMassOf(QStringLiteral("CO2")), 44.0);
    EXPECT_EQ(chemistry::molarMassOf(QStringLiteral("HCl")), 36.5);
    EXPECT_EQ(chemistry::molarMassOf(QStringLiteral("SF6")), 146.0);
    // Sodium is not on the strip; a broken formula has no mass.
    EXPECT_FALSE(chemistry::molarMassOf(QStringLiteral("NaCl")).has_value());
    EXPECT_FALSE(chemistry::molarMassOf(QStringLiteral("C(")).has_value());
}

TEST(Subscripts, OnlyTheCountsOfAFormula) {
    EXPECT_EQ(chemistry::withSubscripts(QStringLiteral("二酸化炭素 (CO2) について")),
              QStringLiteral("二酸化炭素 (CO₂) について"));
    EXPECT_EQ(chemistry::withSubscripts(QStringLiteral("(CH3)2O C10H22")),
              QStringLiteral("(CH₃)₂O C₁₀H₂₂"));
    EXPECT_EQ(chemistry::withSubscripts(QStringLiteral("第3問 2 mol")),
              QStringLiteral("第3問 2 mol"));
}

} // namespace
