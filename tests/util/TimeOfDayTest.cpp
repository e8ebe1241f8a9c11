#include "util/TimeOfDay.h"

#include <gtest/gtest.h>

using util::wholeSecond;

TEST(TimeOfDayTest, WholeSecondRoundsHalvesToEven) {
    EXPECT_EQ(wholeSecond(36000.4), 36000);
    EXPECT_EQ(wholeSecond(36000.6), 36001);
    EXPECT_EQ(wholeSecond(36000.5), 36000);
    EXPECT_EQ(wholeSecond(36001.5), 36002);
    EXPECT_EQ(wholeSecond(86399.6), 86400);
}
