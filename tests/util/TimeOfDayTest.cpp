#include "util/TimeOfDay.h"

#include <gtest/gtest.h>

using util::secondsSince;
using util::wholeSecond;

TEST(TimeOfDayTest, WholeSecondRoundsHalvesToEven) {
    EXPECT_EQ(wholeSecond(36000.4), 36000);
    EXPECT_EQ(wholeSecond(36000.6), 36001);
    EXPECT_EQ(wholeSecond(36000.5), 36000);
    EXPECT_EQ(wholeSecond(36001.5), 36002);
    EXPECT_EQ(wholeSecond(86399.6), 86400);
}

TEST(TimeOfDayTest, SecondsSinceFoldsAcrossMidnight) {
    EXPECT_DOUBLE_EQ(secondsSince(36000, 36001.5), 1.5);
    // A stamp rounded up stays slightly ahead instead of wrapping to a day.
    EXPECT_DOUBLE_EQ(secondsSince(36001, 36000.7), 36000.7 - 36001);
    // Shown at 23:59:59, now 00:00:01.
    EXPECT_DOUBLE_EQ(secondsSince(86399, 1.0), 2.0);
    // Stamp rounded up to 86400 from 23:59:59.6, now 00:00:00.1.
    EXPECT_NEAR(secondsSince(86400, 0.1), 0.1, 1e-9);
}
