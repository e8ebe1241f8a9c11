#include "calculator/AnswerTransfer.h"

#include <gtest/gtest.h>
#include <ostream>
#include <string>

using calculator::transferAnswer;

namespace {

struct TransferCase {
    std::string name;
    std::string entry;   // the calculator's entryText()
    bool wholeNumberBox; // the exponent box
    int maxLength;       // characters the box admits
    std::string text;    // what the box would receive
    bool tooLong;
};

void PrintTo(const TransferCase& c, std::ostream* os) {
    *os << c.name << ": \"" << c.entry << "\"";
}

class AnswerTransferTest : public testing::TestWithParam<TransferCase> {};

TEST_P(AnswerTransferTest, ConvertsEntryAndChecksLength) {
    const TransferCase& c = GetParam();
    const auto result =
        transferAnswer(QString::fromStdString(c.entry), c.wholeNumberBox, c.maxLength);
    EXPECT_EQ(result.text.toStdString(), c.text);
    EXPECT_EQ(result.tooLong, c.tooLong);
}

const std::string kErrorEntry(11, '9');

INSTANTIATE_TEST_SUITE_P(
    Entries, AnswerTransferTest,
    testing::Values(
        // Cut after the second decimal, then rounded half up to one.
        TransferCase{"Half", "0.5", false, 3, "0.5", false},
        TransferCase{"RoundsUp", "0.46", false, 3, "0.5", false},
        TransferCase{"CutBeforeRounding", "0.549", false, 3, "0.5", false},
        TransferCase{"CutKeepsBelowHalf", "0.449", false, 3, "0.4", false},
        TransferCase{"HalfAtHundredths", "0.45", false, 3, "0.5", false},
        TransferCase{"TwelvePointFourUp", "12.35", false, 4, "12.4", false},
        TransferCase{"TwelvePointThreeCut", "12.349", false, 4, "12.3", false},
        TransferCase{"TrailingPoint", "5.", false, 3, "5.0", false},
        TransferCase{"WholeGetsDecimal", "22", false, 4, "22.0", false},
        TransferCase{"WholeTooLong", "112", false, 4, "112.0", true},
        TransferCase{"RoundsIntoWhole", "12.96", false, 4, "13.0", false},
        TransferCase{"ZeroWithPoint", "0.04", false, 3, "0.0", false},
        TransferCase{"EmptyEntry", "", false, 3, "0.0", false},
        TransferCase{"ErrorEntry", kErrorEntry, false, 6, kErrorEntry + ".0", true},
        // Negatives keep the same one-decimal form; halves go up.
        TransferCase{"NegativeBelowOne", "-0.5", false, 4, "-0.5", false},
        TransferCase{"NegativeHalfGoesUp", "-0.45", false, 4, "-0.4", false},
        TransferCase{"NegativeWholeWithPoint", "-3.0", false, 4, "-3.0", false},
        TransferCase{"NegativeWhole", "-3", false, 4, "-3.0", false},
        TransferCase{"NegativeTooLong", "-12.5", false, 4, "-12.5", true},
        // The exponent box takes a whole entry as it stands.
        TransferCase{"PowerAsItStands", "23", true, 2, "23", false},
        TransferCase{"PowerWithPointTooLong", "23.0", true, 2, "23.0", true},
        TransferCase{"PowerAfterReset", "0", true, 2, "0", false},
        TransferCase{"PowerEmpty", "", true, 2, "0", false},
        TransferCase{"PowerErrorEntry", kErrorEntry, true, 2, kErrorEntry, true},
        // Exponent forms go by their value, not by the digits after the point.
        TransferCase{"SmallExponent", "1.2346E-05", false, 3, "0.0", false},
        TransferCase{"SmallExponentNegative", "-2.5E-05", false, 4, "0.0", false},
        TransferCase{"LargeExponent", "6.02E+23", false, 30, "602000000000000000000000.0", false},
        TransferCase{"LargeExponentTooLong", "6.02E+23", false, 5, "602000000000000000000000.0",
                     true},
        TransferCase{"ExponentWithoutPoint", "1E+15", false, 20, "1000000000000000.0", false},
        TransferCase{"ExponentIntoPowerBox", "1E+15", true, 2, "1000000000000000", true},
        TransferCase{"SmallExponentIntoPowerBox", "2.5E-05", true, 2, "0.0", true},
        // Entries the keys cannot type still come out in the box's number
        // form: no sign on zero, no leading zeros, no "inf".
        TransferCase{"NegativeZero", "-0", false, 4, "0.0", false},
        TransferCase{"NegativeZeroExponent", "-0.0E+3", false, 4, "0.0", false},
        TransferCase{"LeadingZeros", "033", false, 4, "33.0", false},
        TransferCase{"LeadingZerosFromExponent", "0.5E+1", false, 3, "5.0", false},
        TransferCase{"LeadingZerosIntoPowerBox", "0.5E+1", true, 2, "5", false},
        TransferCase{"HugeText", "9e307x", false, 5, "9" + std::string(307, '0') + ".0", true},
        TransferCase{"HugeWithDecimals", "1" + std::string(308, '0') + ".5", false, 5,
                     "1" + std::string(308, '0') + ".0", true},
        // The limit admits exactly maxLength characters.
        TransferCase{"ExactlyAtLimit", "100.8", false, 5, "100.8", false},
        TransferCase{"OneOverLimit", "100.8", false, 4, "100.8", true}),
    [](const testing::TestParamInfo<TransferCase>& info) { return info.param.name; });

} // namespace
