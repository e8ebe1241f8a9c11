#include "NumberShape.h"

#include <gtest/gtest.h>

using monkey::isCalculatorDisplay;
using monkey::isNumberOrPrefix;

namespace {

struct ShapeCase {
    const char* text;
    bool number;  // a number box may show it
    bool display; // the calculator display may show it
};

void PrintTo(const ShapeCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class NumberShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(NumberShapeTest, TellsNumbersAndTheirBeginningsFromAnythingElse) {
    const ShapeCase& c = GetParam();
    const QString text = QString::fromUtf8(c.text);
    EXPECT_EQ(isNumberOrPrefix(text), c.number);
    EXPECT_EQ(isCalculatorDisplay(text), c.display);
}

INSTANTIATE_TEST_SUITE_P(Cases, NumberShapeTest,
                         ::testing::Values(
                             // Typed so far, or finished.
                             ShapeCase{"", true, false}, ShapeCase{"-", true, true},
                             ShapeCase{"0", true, true}, ShapeCase{"12.", true, true},
                             ShapeCase{".5", true, true}, ShapeCase{"-.", true, true},
                             ShapeCase{"-0.25", true, true}, ShapeCase{"1.2E", true, true},
                             ShapeCase{"1.2E-", true, true}, ShapeCase{"6.02E+23", true, true},
                             ShapeCase{"1234567890", true, true},
                             // Too long for the display, which then shows E.
                             ShapeCase{"12345678901", true, false}, ShapeCase{"E", false, true},
                             // Never a number.
                             ShapeCase{" 5", false, false}, ShapeCase{"5 ", false, false},
                             ShapeCase{"1.2.3", false, false}, ShapeCase{"--1", false, false},
                             ShapeCase{"1-", false, false}, ShapeCase{"E5", false, false},
                             ShapeCase{"1E5.0", false, false}, ShapeCase{"1E5E", false, false},
                             ShapeCase{".E5", false, false}, ShapeCase{"１２", false, false},
                             ShapeCase{"nan", false, false}, ShapeCase{"inf", false, false}));

} // namespace
