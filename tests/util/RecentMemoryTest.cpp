#include "util/RecentMemory.h"

#include <gtest/gtest.h>
#include <stdexcept>

using util::RecentMemory;

TEST(RecentMemoryTest, BlocksEachNumberForTheWindowThenFreesIt) {
    const int window = 101;
    RecentMemory memory(300, 150, window);
    for (int n = 1; n <= window; ++n)
        memory.accept(n);
    for (int n = 1; n <= window; ++n)
        EXPECT_TRUE(memory.inUse(n)) << n;
    EXPECT_EQ(memory.slot(1), 1);
    EXPECT_EQ(memory.slot(window), window);

    // The 102nd acceptance frees the oldest.
    memory.accept(200);
    EXPECT_FALSE(memory.inUse(1));
    EXPECT_TRUE(memory.inUse(2));
    EXPECT_TRUE(memory.inUse(200));
    EXPECT_EQ(memory.slot(1), 2);
}

TEST(RecentMemoryTest, InitialZerosFreeNothing) {
    RecentMemory memory(10, 5, 3);
    memory.accept(3);
    memory.accept(4);
    EXPECT_TRUE(memory.inUse(3));
    EXPECT_TRUE(memory.inUse(4));
    EXPECT_FALSE(memory.inUse(0)); // slot 0 belongs to no question
    memory.accept(5);
    memory.accept(6);
    EXPECT_FALSE(memory.inUse(3));
    EXPECT_TRUE(memory.inUse(6));
}

TEST(RecentMemoryTest, RejectsNumbersAndWindowsOutsideItsTables) {
    RecentMemory memory(10, 5, 3);
    EXPECT_THROW(memory.accept(11), std::out_of_range);
    EXPECT_THROW(memory.accept(0), std::out_of_range);
    EXPECT_THROW(RecentMemory(10, 5, 6), std::invalid_argument);
    EXPECT_THROW(RecentMemory(10, 5, 0), std::invalid_argument);
    EXPECT_FALSE(memory.inUse(-1));
    EXPECT_FALSE(memory.inUse(11));
}
