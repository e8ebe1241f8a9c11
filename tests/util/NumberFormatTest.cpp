#include "util/NumberFormat.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

using util::numberText;
using util::numberValue;
using util::roundToTenth;

namespace {

struct TextCase {
    const char* name;
    double value;
    const char* text;
};

void PrintTo(const TextCase& c, std::ostream* os) {
    *os << c.name;
}

class NumberTextTest : public ::testing::TestWithParam<TextCase> {};

TEST_P(NumberTextTest, FormatsLikeTheScreens) {
    EXPECT_EQ(numberText(GetParam().value).toStdString(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberTextTest,
    ::testing::Values(
        TextCase{"zero", 0.0, " 0"}, TextCase{"negativeZero", -0.0, " 0"}, TextCase{"one", 1, " 1"},
        TextCase{"minusOne", -1, "-1"}, TextCase{"half", 0.5, " .5"},
        TextCase{"minusQuarter", -0.25, "-.25"}, TextCase{"decimal", 12.75, " 12.75"},
        TextCase{"trailingZeros", 1.5000, " 1.5"}, TextCase{"integerTens", 1200, " 1200"},
        TextCase{"fifteenDigits", 123456789012345, " 123456789012345"},
        TextCase{"roundedTo15", 0.1 + 0.2, " .3"},
        TextCase{"sixteenDigitsRounded", 1234567890123456, " 1.23456789012346E+15"},
        TextCase{"exponentAt15", 1e15, " 1E+15"},
        TextCase{"justBelow15", 999999999999999, " 999999999999999"},
        TextCase{"roundsUpTo15", 999999999999999.9, " 1E+15"},
        TextCase{"largeNegative", -2.5e20, "-2.5E+20"},
        TextCase{"threeDigitExponent", 1e100, " 1E+100"},
        TextCase{"tenThousandth", 0.0001, " .0001"}, TextCase{"belowMinus4", 0.000025, " 2.5E-05"},
        TextCase{"tinyNegative", -1.5e-7, "-1.5E-07"}, TextCase{"verySmall", 1e-300, " 1E-300"},
        TextCase{"avogadro", 6.02e23, " 6.02E+23"}, TextCase{"third", 1.0 / 3, " .333333333333333"},
        TextCase{"twoThirds", 2.0 / 3, " .666666666666667"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberTextTest, NonFiniteReadsAsZero) {
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), QStringLiteral(" 0"));
    EXPECT_EQ(numberText(std::nan("")), QStringLiteral(" 0"));
}

struct ValueCase {
    const char* name;
    const char* text;
    double value;
};

void PrintTo(const ValueCase& c, std::ostream* os) {
    *os << c.name;
}

class NumberValueTest : public ::testing::TestWithParam<ValueCase> {};

TEST_P(NumberValueTest, ReadsTheLongestNumericPrefix) {
    EXPECT_DOUBLE_EQ(numberValue(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, NumberValueTest,
    ::testing::Values(
        ValueCase{"empty", "", 0}, ValueCase{"garbage", "abc", 0},
        ValueCase{"blankThenNumber", "  12", 12}, ValueCase{"leadingBlank", " 3.5", 3.5},
        ValueCase{"negative", "-0.25", -0.25}, ValueCase{"plusSign", "+7", 7},
        ValueCase{"pointFirst", ".5", 0.5}, ValueCase{"trailingPoint", "5.", 5},
        ValueCase{"secondPointStops", "1.2.3", 1.2}, ValueCase{"suffixIgnored", "12abc", 12},
        ValueCase{"exponent", "2.5E-05", 2.5e-5}, ValueCase{"exponentPlus", "1E+15", 1e15},
        ValueCase{"lowercaseExponent", "3e2", 300}, ValueCase{"exponentWithoutDigits", "4E", 4},
        ValueCase{"exponentSignOnly", "4E+", 4}, ValueCase{"signOnly", "-", 0},
        ValueCase{"pointOnly", ".", 0}, ValueCase{"elevenNines", "99999999999", 99999999999.0},
        ValueCase{"fullWidthDigitsAreText", "１２", 0}, ValueCase{"overflowIsZero", "1E+999", 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberValueTest, ReadsBackWhatNumberTextWrites) {
    for (double v : {0.0, 1.0, -0.25, 12.75, 6.02e23, -1.5e-7, 123456789012345.0})
        EXPECT_DOUBLE_EQ(numberValue(numberText(v)), v) << v;
}

TEST(RoundToTenthTest, HalvesGoUpAlsoBelowZero) {
    struct Case {
        double in, out;
    };
    for (const Case c : {Case{1.25, 1.3}, Case{1.24, 1.2}, Case{-1.25, -1.2}, Case{-1.26, -1.3},
                         Case{0.05, 0.1}, Case{22.4, 22.4}, Case{0, 0}}) {
        EXPECT_DOUBLE_EQ(roundToTenth(c.in), c.out) << c.in;
    }
}

} // namespace
