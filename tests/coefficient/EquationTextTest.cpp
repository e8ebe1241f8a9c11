// The equation as a screen reader speaks the picture.
#include "coefficient/EquationText.h"

#include "coefficient/CoefficientData.h"

#include <gtest/gtest.h>

using coefficient::Problem;
using coefficient::spokenEquation;
using coefficient::spokenFormula;

namespace {

TEST(EquationTextTest, BlanksBeforeEachSubstanceAndDigitsAsSubscripts) {
    Problem methane;
    methane.left.formulas = QStringList({"CH4", "O2"});
    methane.right.formulas = QStringList({"CO2", "H2O"});
    EXPECT_EQ(spokenEquation(methane), QStringLiteral("□CH₄ + □O₂ → □CO₂ + □H₂O"));
    EXPECT_EQ(spokenFormula(QStringLiteral("Al2（SO4）3")), QStringLiteral("Al₂(SO₄)₃"));
    EXPECT_EQ(spokenFormula(QStringLiteral("Ｈ２Ｏ")), QStringLiteral("H₂O"));
}

} // namespace
