#include "calculator/Calculator.h"

#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

using calculator::Calculator;

namespace {

// Keys are written as the learner presses them, separated by blanks: digits
// and points ("0.25" presses 0 . 2 5 and counts as one step), AC, CE, M, MR,
// the operators + - * / =, and "reset" for the host screen's reset. After
// every step the display must read the next word of `displays`.
struct KeyCase {
    std::string name;
    std::string keys;
    std::string displays;
    std::string entry;
    bool memoryMark;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.name << ": " << c.keys;
}

std::vector<std::string> words(const std::string& text) {
    std::istringstream in(text);
    std::vector<std::string> out;
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

std::string repeat(const std::string& text, int times) {
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
}

// Presses the keys of one step; false when the step is not a known key.
bool press(Calculator& calc, const std::string& step) {
    static const std::vector<std::pair<std::string, int>> named = {
        {"AC", Calculator::ClearAll}, {"CE", Calculator::ClearEntry}, {"M", Calculator::Store},
        {"MR", Calculator::Recall},   {"+", Calculator::Plus},        {"-", Calculator::Minus},
        {"*", Calculator::Times},     {"/", Calculator::Divide},      {"=", Calculator::Equals}};
    if (step == "reset") {
        calc.resetCalculator();
        return true;
    }
    for (const auto& [word, key] : named) {
        if (word == step) {
            calc.pressKey(key);
            return true;
        }
    }
    for (char c : step) {
        if (c == '.')
            calc.pressKey(Calculator::Point);
        else if (c >= '0' && c <= '9')
            calc.pressKey(Calculator::Digit0 + (c - '0'));
        else
            return false;
    }
    return true;
}

class CalculatorKeysTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(CalculatorKeysTest, ShowsEachStepAndLeavesTheEntry) {
    const KeyCase& c = GetParam();
    Calculator calc;
    const auto steps = words(c.keys);
    const auto displays = words(c.displays);
    ASSERT_EQ(steps.size(), displays.size()) << "the case needs one display per step";
    for (std::size_t i = 0; i < steps.size(); ++i) {
        ASSERT_TRUE(press(calc, steps[i])) << "unknown key " << steps[i];
        EXPECT_EQ(calc.displayText().toStdString(), displays[i])
            << "after step " << i + 1 << " (" << steps[i] << ")";
    }
    EXPECT_EQ(calc.entryText().toStdString(), c.entry);
    EXPECT_EQ(calc.memoryMarkShown(), c.memoryMark);
}

// Squares about 1E+20 up to about 1E+160, leaving about 1E+80 in the memory.
const std::string squares = "9999999999 * 9999999999 = M * MR = M * MR = M * MR =";
const std::string squaresShown = "9999999999 9999999999 9999999999" + repeat(" E", 13);

INSTANTIATE_TEST_SUITE_P(
    Typing, CalculatorKeysTest,
    ::testing::Values(
        KeyCase{"digitsAppend", "1 2 3", "1 12 123", "123", false},
        KeyCase{"repeatedZeroStaysOne", "0 0 0", "0 0 0", "0", false},
        KeyCase{"leadingZeroDropped", "0 5", "0 5", "5", false},
        KeyCase{"zeroAcceptedAfterClearAll", "5 AC 0 0 7", "5 0 0 0 7", "7", false},
        KeyCase{"tenDigitsThenRefused", "1234567890 1", "1234567890 1234567890", "1234567890",
                false},
        KeyCase{"pointCountsTowardTen", "1.2345678 9 1", "1.2345678 1.23456789 1.23456789",
                "1.23456789", false},
        KeyCase{"pointAfterTenDigitsShowsE", "1234567890 . 1", "1234567890 E E", "1234567890.",
                false},
        KeyCase{"secondPointIgnored", "1 . 5 . 2", "1 1. 1.5 1.5 1.52", "1.52", false},
        KeyCase{"pointFirstGetsZero", ". 5", "0. 0.5", "0.5", false},
        KeyCase{"zerosAfterPointKept", "0 . 0 0 5", "0 0. 0.0 0.00 0.005", "0.005", false},
        KeyCase{"pointAfterOperator", "5 + . 5 =", "5 5 0. 0.5 5.5", "5.5", false}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Arithmetic, CalculatorKeysTest,
    ::testing::Values(
        KeyCase{"addition", "1 2 + 3 =", "1 12 12 3 15", "15", false},
        KeyCase{"thirdIsCutToTen", "1 / 3 =", "1 1 3 0.33333333", "0.33333333", false},
        KeyCase{"twoThirdsCutNotRounded", "2 / 3 =", "2 2 3 0.66666666", "0.66666666", false},
        KeyCase{"cutEntryFeedsNextOperation",
                "2 / 3 = * 3 =", "2 2 3 0.66666666 0.66666666 3 1.99999998", "1.99999998", false},
        KeyCase{"quarterGetsZero", "1 / 4 =", "1 1 4 0.25", "0.25", false},
        KeyCase{"negativeResult", "2 - 5 =", "2 2 5 -3", "-3", false},
        KeyCase{"negativeBelowOne", "0 . 5 - 1 =", "0 0. 0.5 0.5 1 -0.5", "-0.5", false},
        KeyCase{"negativeBelowOneCut", "0 - 1 = / 3 =", "0 0 1 -1 -1 3 -0.3333333", "-0.3333333",
                false},
        KeyCase{"chainComputesAtEachOperator", "2 + 3 * 4 =", "2 2 3 5 4 20", "20", false},
        KeyCase{"negativeChain", "3 - 5 - 2 =", "3 3 5 -2 2 -4", "-4", false},
        KeyCase{"operatorReplaced", "2 + * 3 =", "2 2 2 3 6", "6", false},
        KeyCase{"operatorReplacedRepeatedly", "8 + - * / 2 =", "8 8 8 8 8 2 4", "4", false},
        KeyCase{"digitAfterEqualsStartsAfresh", "5 = 3", "5 5 3", "3", false},
        KeyCase{"operatorAfterEqualsContinues", "5 + 3 = + 2 =", "5 5 3 8 8 2 10", "10", false},
        KeyCase{"equalsRepeatedChangesNothing", "5 + 3 = =", "5 5 3 8 8", "8", false},
        KeyCase{"pointAfterEqualsThenDigitStartsAfresh", "5 + 1 = . 3", "5 5 1 6 6. 3", "3", false},
        KeyCase{"clearEntryKeepsOperation", "5 + 3 CE 4 =", "5 5 3 0 4 9", "9", false},
        KeyCase{"belowHalfOfLastDecimalIsZero", "1 / 3000000000 =", "1 1 3000000000 0", "0", false},
        KeyCase{"aboveHalfOfLastDecimalRoundsUp", "2 / 3000000000 =", "2 2 3000000000 E", "1E-09",
                false},
        KeyCase{"negativeBelowHalfIsZero", "0 - 1 = / 3000000000 =", "0 0 1 -1 -1 3000000000 0",
                "0", false},
        KeyCase{"negativeAboveHalfRoundsDown", "0 - 2 = / 3000000000 =", "0 0 2 -2 -2 3000000000 E",
                "-1E-09", false}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    TooLongForDisplay, CalculatorKeysTest,
    ::testing::Values(
        KeyCase{"elevenDigitsShowE", "99999 * 1000000 =", "99999 99999 1000000 E", "99999000000",
                false},
        KeyCase{"pointBeyondTenthIsNotCut", "9999999999 + 0.5 =", "9999999999 9999999999 0.5 E",
                "9999999999.5", false},
        KeyCase{"cutCanLeaveTrailingPoint",
                "123456789 + 0.5 =", "123456789 123456789 0.5 123456789.", "123456789.", false},
        KeyCase{"largeExponentKeptWhole", "9999999999 * 9999999999 =",
                "9999999999 9999999999 9999999999 E", "9.999999998E+19", false},
        KeyCase{"largeExponentReadBack", "9999999999 * 9999999999 = / 9999999999 =",
                "9999999999 9999999999 9999999999 E E 9999999999 9999999999", "9999999999", false},
        KeyCase{"negativeLargeExponent", "0 - 9999999999 = * 9999999999 =",
                "0 0 9999999999 E E 9999999999 E", "-9.999999998E+19", false},
        KeyCase{"smallExponentKeptWhole", "0.00001 * 1.2345 = * 100000 =",
                "0.00001 0.00001 1.2345 E E 100000 1.2345", "1.2345", false},
        KeyCase{"tinyNegativeKeepsItsDigit",
                "0 - 0.00001 = * 100000 =", "0 0 0.00001 E E 100000 -1", "-1", false},
        // An exponent form is never extended by typing: "1E-06." is no
        // number, and "1E-065" another one.
        KeyCase{"exponentTakesNoPoint", "1 / 1000000 = .", "1 1 1000000 E E", "1E-06", false},
        KeyCase{"recalledExponentTakesNoDigit",
                "1 / 1000000 = M + MR 5 =", "1 1 1000000 E E E E E E", "2E-06", true}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Errors, CalculatorKeysTest,
    ::testing::Values(
        KeyCase{"divisionByZero", "5 / 0 =", "5 5 0 E", "99999999999", false},
        KeyCase{"arithmeticAfterDivisionByZero", "5 / 0 = + 1 =", "5 5 0 E E 1 E", "100000000000",
                false},
        KeyCase{"divisionByZeroInChain", "6 / 0 + 2 =", "6 6 0 E 2 E", "100000000001", false},
        KeyCase{"divisionByClearedEntry", "6 / 5 CE =", "6 6 5 0 E", "99999999999", false},
        // Squaring about 1E+160 overflows a double.
        KeyCase{"overflowIsError", squares + " M * MR = + 1 =", squaresShown + " E E E E E 1 E",
                "100000000000", true},
        // About 1E+300 is a double, but not once scaled for the rounding.
        KeyCase{"tooLargeToRoundIsError", squares + " * MR =" + repeat(" * 9999999999 =", 6),
                squaresShown + " E E E" + repeat(" E 9999999999 E", 6), "99999999999", true}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Memory, CalculatorKeysTest,
    ::testing::Values(
        KeyCase{"storeThenDigitDropsPending", "2 + 3 M 4 =", "2 2 3 3 4 4", "4", true},
        KeyCase{"storeWithNothingTypedClears", "M", "0", "", false},
        KeyCase{"storeZeroClearsMemory", "5 M 0 M MR", "5 5 0 0 0", "", false},
        KeyCase{"recallAfterClearEntry", "5 M CE MR", "5 5 0 5", "5", true},
        KeyCase{"recallAfterClearAllDoesNothing", "5 M AC MR", "5 5 0 0", "", false},
        KeyCase{"recallWithEmptyMemoryDoesNothing", "5 MR", "5 5", "5", false},
        KeyCase{"storeKeepsTypedValueNotPoint", "5 . M CE MR", "5 5. 5. 0 5", "5", true},
        KeyCase{"storeTakesResultOfEquals", "2 + 3 = M CE MR + 1 =", "2 2 3 5 5 0 5 5 1 6", "6",
                true},
        KeyCase{"storeTakesValueLeftByOperator", "2 + 3 + M CE MR", "2 2 3 5 5 0 5", "5", true},
        KeyCase{"digitsAppendToRecall", "12 M 5 + MR 3 =", "12 12 5 5 12 123 128", "128", true},
        KeyCase{"digitAfterEqualsReplacesRecall", "12 M 5 = MR 3", "12 12 5 5 12 3", "3", true},
        // The store flag outlives AC: the next digit still starts afresh.
        KeyCase{"digitAfterStoreStartsAfresh", "5 M AC . 5", "5 5 0 0. 5", "5", false},
        KeyCase{"recallTooLongShowsE", "9999999999 * 10 = M CE MR",
                "9999999999 9999999999 10 E E 0 E", "99999999990", true}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Reset, CalculatorKeysTest,
    ::testing::Values(
        KeyCase{"resetShowsZeroStoreKeepsTypedValue", "7 reset M MR", "7 0 0 7", "7", true},
        KeyCase{"resetKeepsMemory", "7 M reset MR", "7 7 0 7", "7", true},
        KeyCase{"digitReplacesResetZero", "7 reset 3", "7 0 3", "3", false},
        KeyCase{"resetDropsPendingOperation", "5 + reset 3 =", "5 5 0 3 3", "3", false},
        KeyCase{"operatorAfterResetStartsFromZero", "reset + 4 =", "0 0 4 4", "4", false}),
    [](const auto& info) { return info.param.name; });

// Equals straight after another operator leaves equals pending; the number
// typed next must survive the following operator instead of being replaced
// by an older result (here the 6 of 2 × 3).
INSTANTIATE_TEST_SUITE_P(
    EqualsAfterOperator, CalculatorKeysTest,
    ::testing::Values(
        KeyCase{"typedNumberCarriesOn", "2 * 3 = + = 4 - 1 =", "2 2 3 6 6 6 4 4 1 3", "3", false},
        KeyCase{"typedNumberIsResult", "2 * 3 = + = 4 =", "2 2 3 6 6 6 4 4", "4", false},
        KeyCase{"recalledNumberCarriesOn", "9 M + = MR * 2 =", "9 9 9 9 9 9 2 18", "18", true},
        KeyCase{"operatorStillReplacesEquals", "5 + = - 2 =", "5 5 5 5 2 3", "3", false}),
    [](const auto& info) { return info.param.name; });

TEST(CalculatorResultTest, KeepsNineDecimalsAndOutlivesClearing) {
    Calculator calc;
    for (const char* step : {"1", "/", "3", "="})
        press(calc, step);
    EXPECT_DOUBLE_EQ(calc.result(), 0.333333333);
    calc.pressKey(Calculator::ClearAll);
    calc.resetCalculator();
    EXPECT_DOUBLE_EQ(calc.result(), 0.333333333);
}

TEST(CalculatorKeyIndexTest, KeysOutsideThePadDoNothing) {
    Calculator calc;
    press(calc, "12");
    calc.pressKey(-1);
    calc.pressKey(Calculator::keyCount);
    EXPECT_EQ(calc.entryText(), QStringLiteral("12"));
    EXPECT_EQ(calc.displayText(), QStringLiteral("12"));
}

} // namespace
