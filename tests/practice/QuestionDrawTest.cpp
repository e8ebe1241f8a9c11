#include "practice/QuestionDraw.h"

#include "support/ScriptedRandom.h"
#include "util/Clock.h"

#include <gtest/gtest.h>
#include <set>

using practice::drawQuestion;
using testSupport::ScriptedRandom;
using util::ManualClock;

namespace {

struct DrawCase {
    const char* name;
    std::vector<double> values; // what the source plays
    int count;
    std::set<int> blocked;
    int expected;
    int draws; // values taken from the source
};

class DrawTest : public ::testing::TestWithParam<DrawCase> {};

TEST_P(DrawTest, DrawsTheFirstFreeNumberOfTheSequence) {
    const DrawCase& c = GetParam();
    ManualClock clock(43200.5);
    ScriptedRandom random;
    random.script(c.values);
    const int n =
        drawQuestion(c.count, clock, random, [&](int k) { return c.blocked.count(k) == 0; });
    EXPECT_EQ(n, c.expected);
    if (c.draws > 0) {
        EXPECT_EQ(random.draws, c.draws);
        // A fresh seed from the time of day before every draw.
        EXPECT_EQ(random.seeds, std::vector<double>(static_cast<std::size_t>(c.draws), 43200.5));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Draws, DrawTest,
    ::testing::Values(DrawCase{"lowestValue", {0.0}, 65, {}, 1, 1},
                      DrawCase{"highestValue", {0.999999}, 65, {}, 65, 1},
                      DrawCase{"edgeOfASlot", {0.5}, 4, {}, 3, 1}, // floor(0.5 × 4) + 1
                      DrawCase{"blockedDrawsAreRepeated", {0.0, 0.26, 0.51}, 4, {1, 2}, 3, 3},
                      // A source stuck on a blocked value cannot hang the screen.
                      DrawCase{"stuckSourceTakesTheFirstFree", {0.0}, 10, {1, 2, 3}, 4, 0},
                      // Nothing free (broken data): the draw still returns a number in range.
                      DrawCase{"nothingFree", {0.3}, 3, {1, 2, 3}, 1, 0},
                      DrawCase{"noQuestions", {0.3}, 0, {}, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
