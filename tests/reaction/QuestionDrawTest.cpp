// Drawing questions away from the recent ones, within a visit and across visits.
#include "ReactionTestSupport.h"
#include "reaction/ReactionPractice.h"
#include "util/Clock.h"
#include "util/RandomSource.h"
#include "util/RecentMemory.h"

#include <gtest/gtest.h>
#include <vector>

using reaction::ReactionPractice;

namespace {

using namespace reactionTest;

struct Drawn {
    int question;
    int reaction;
};

class ReactionDrawTest : public ::testing::Test {
protected:
    // The program-wide memories, as shell::ProgramState keeps them.
    util::RecentMemory questions{100, 50, 20};
    util::RecentMemory reactions{30, 15, 11};
    util::ManualClock clock;
};

TEST_F(ReactionDrawTest, NoQuestionWithinTwentyNoReactionWithinElevenAcrossVisits) {
    util::MixingRandom random(2024);
    std::vector<Drawn> drawn;
    for (int visit = 1; visit <= 4; ++visit) {
        ReactionPractice practice(fixtureData(), questions, reactions, clock, random);
        for (int i = 1; i <= 60; ++i) {
            clock.advance(7.3);
            practice.drawQuestion();
            EXPECT_EQ(practice.questionNumber(), i) << "visit " << visit;
            drawn.push_back({practice.questionIndex(), practice.currentReaction()});
        }
    }
    for (std::size_t i = 0; i < drawn.size(); ++i) {
        EXPECT_EQ(ReactionPractice::questionEntry(drawn[i].question).reaction, drawn[i].reaction);
        for (std::size_t back = 1; back <= 19 && back <= i; ++back)
            EXPECT_NE(drawn[i].question, drawn[i - back].question) << i << " back " << back;
        for (std::size_t back = 1; back <= 10 && back <= i; ++back)
            EXPECT_NE(drawn[i].reaction, drawn[i - back].reaction) << i << " back " << back;
    }
}

TEST_F(ReactionDrawTest, AnEmptyHistoryTakesTheFirstDraw) {
    ScriptedRandom random;
    random.script({questionValue(39), 0, 0});
    ReactionPractice practice(fixtureData(), questions, reactions, clock, random);
    practice.drawQuestion();
    EXPECT_EQ(practice.questionIndex(), 39);
    EXPECT_EQ(practice.currentReaction(), 13);
}

TEST_F(ReactionDrawTest, ABlockedDrawIsRepeatedAndTheRedrawAlwaysEnds) {
    ScriptedRandom random;
    ReactionPractice practice(fixtureData(), questions, reactions, clock, random);
    random.script({questionValue(2), 0, 0});
    practice.drawQuestion();
    ASSERT_EQ(practice.questionIndex(), 2);

    // Question 3 shares reaction 1 with question 2: blocked, drawn again.
    random.script({questionValue(3), questionValue(8), 0, 0});
    practice.drawQuestion();
    EXPECT_EQ(practice.questionIndex(), 8);
    EXPECT_EQ(practice.questionNumber(), 2) << "a rejected draw does not count";

    // A source stuck on a blocked question must not hang the screen.
    random.script({questionValue(7)});
    practice.drawQuestion();
    EXPECT_FALSE(practice.currentReaction() == 1 || practice.currentReaction() == 3);
    EXPECT_NE(practice.questionIndex(), 8);
}

} // namespace
