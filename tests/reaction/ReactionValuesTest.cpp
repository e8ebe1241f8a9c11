// The numbers of a question: the table's text form and the two unit amounts.
#include "reaction/ReactionValues.h"

#include <gtest/gtest.h>

using reaction::amountDraw;
using reaction::formatTenth;
using reaction::unitAmounts;

namespace {

TEST(FormatTenthTest, OneDigitAfterThePointAndAZeroBeforeIt) {
    const struct {
        const char* name;
        double value;
        const char* text;
    } cases[] = {
        {"volume of 0.2 mol rounds up", 22.4 * 0.2, "4.5"},
        {"single-precision volume factor", double(22.4f) * 0.2, "4.5"},
        {"below one keeps its zero", 0.2, "0.2"},
        {"below a twentieth reads zero", 0.04, "0.0"},
        {"a twentieth rounds up", 0.05, "0.1"},
        {"whole value gets .0", 4, "4.0"},
        {"zero", 0, "0.0"},
        {"two decimals cut to one after rounding", 17.92, "17.9"},
        {"three digits before the point", 134.4, "134.4"},
        {"rounding carries into a new digit", 99.95, "100.0"},
        // 0.15 × 3 is 0.44999999999999996 in binary; its 15-digit text .45 rounds up.
        {"noise in the last bits does not tip the rounding", 0.15 * 3, "0.5"},
        {"eleven sixths", 11.0 / 6, "1.8"},
        {"mass of 11/6 mol at 44 g", 44 * (11.0 / 6), "80.7"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(formatTenth(c.value), QString::fromLatin1(c.text)) << c.name;
}

TEST(UnitAmountsTest, BothAmountsAreTwoTenthsPerStepUntilNine) {
    for (int r = 1; r <= 8; ++r) {
        const auto a = unitAmounts(r);
        EXPECT_EQ(formatTenth(a.rounded), formatTenth(0.2 * r)) << r;
        EXPECT_NEAR(a.rounded, 0.2 * r, 1e-12) << r;
        EXPECT_NEAR(a.exact, 0.2 * r, 1e-12) << r;
    }
    // 10.8 × 10^23 particles becomes 1.1 × 10^24: 1.8 rounded, 11/6 exact.
    const auto nine = unitAmounts(9);
    EXPECT_DOUBLE_EQ(nine.rounded, 1.8);
    EXPECT_DOUBLE_EQ(nine.exact, 11.0 / 6);
}

TEST(UnitAmountsTest, DrawFoldsTenOntoNine) {
    const struct {
        double x;
        int r;
    } cases[] = {{0, 1}, {0.0999, 1}, {0.1, 2}, {0.45, 5}, {0.85, 9}, {0.9, 9}, {0.9999, 9}};
    for (const auto& c : cases)
        EXPECT_EQ(amountDraw(c.x), c.r) << c.x;
}

} // namespace
