// The atom-count table: its rows and its totals for the coefficients entered.
#include "coefficient/AtomTable.h"

#include "coefficient/CoefficientData.h"
#include "coefficient/FormulaParser.h"

#include <gtest/gtest.h>
#include <vector>

using coefficient::AtomRow;
using coefficient::atomTotals;
using coefficient::parseFormula;
using coefficient::Problem;
using coefficient::Side;
using coefficient::tableElements;

namespace {

Side sideOf(const QStringList& formulas) {
    Side side;
    side.formulas = formulas;
    for (const QString& f : formulas)
        side.elements.push_back(parseFormula(f).elements);
    return side;
}

Problem problemOf(const QStringList& left, const QStringList& right) {
    Problem p;
    p.left = sideOf(left);
    p.right = sideOf(right);
    return p;
}

const Problem methane = problemOf({QStringLiteral("CH4"), QStringLiteral("O2")},
                                  {QStringLiteral("CO2"), QStringLiteral("H2O")});

TEST(AtomTableTest, RowsFollowTheLeftHandSideInOrderOfFirstAppearance) {
    EXPECT_EQ(tableElements(methane), QStringList({"C", "H", "O"}));
    // O occurs in two left-hand substances and gets one row; Cl is only on
    // the right and gets none.
    const Problem chlorine =
        problemOf({QStringLiteral("MnO2"), QStringLiteral("HCl")},
                  {QStringLiteral("MnCl2"), QStringLiteral("H2O"), QStringLiteral("Cl2")});
    EXPECT_EQ(tableElements(chlorine), QStringList({"Mn", "O", "H", "Cl"}));
    const Problem onlyRight = problemOf({QStringLiteral("Zn"), QStringLiteral("H2")},
                                        {QStringLiteral("ZnH2"), QStringLiteral("Cl")});
    EXPECT_EQ(tableElements(onlyRight), QStringList({"Zn", "H"}));
}

TEST(AtomTableTest, AFullWidthSymbolIsARowOfItsOwn) {
    const Problem mixed =
        problemOf({QStringLiteral("H2"), QStringLiteral("Ｈ２Ｏ")}, {QStringLiteral("H2O")});
    EXPECT_EQ(tableElements(mixed), QStringList({"H", "Ｈ", "Ｏ"}));
    EXPECT_EQ(atomTotals(mixed, {1, 1, 1}),
              (std::vector<AtomRow>{{"H", 2, 2}, {"Ｈ", 2, 0}, {"Ｏ", 1, 0}}));
}

TEST(AtomTableTest, TotalsMultiplyEachSubstanceByItsBox) {
    const struct {
        const char* name;
        std::vector<int> coefficients;
        std::vector<AtomRow> expected;
    } cases[] = {
        {"balanced", {1, 2, 1, 2}, {{"C", 1, 1}, {"H", 4, 4}, {"O", 4, 4}}},
        {"box 2 empty", {1, 0, 1, 2}, {{"C", 1, 1}, {"H", 4, 4}, {"O", 0, 4}}},
        {"nothing entered", {0, 0, 0, 0}, {{"C", 0, 0}, {"H", 0, 0}, {"O", 0, 0}}},
        {"largest digits", {8, 8, 8, 8}, {{"C", 8, 8}, {"H", 32, 16}, {"O", 16, 24}}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(atomTotals(methane, c.coefficients), c.expected) << c.name;
}

} // namespace
