#include "practice/HoverHighlight.h"
#include "practice/Score.h"
#include "practice/TimedNotice.h"
#include "util/Clock.h"

#include <cmath>
#include <gtest/gtest.h>
#include <vector>

using practice::HoverHighlight;
using practice::Score;
using practice::TimedNotice;
using util::ManualClock;

namespace {

// A notice shown at the time of day `shownAt`, after which the computer's
// clock is set by `clockSetBy` seconds, then ticked every 0.1 s from 0.05 s on
// (off the whole tenths, so no tick falls on a limit): seconds from showing to
// the tick that hides it.
double hidesAfter(double period, double shownAt, double clockSetBy) {
    ManualClock clock(shownAt);
    TimedNotice notice(period);
    notice.show(clock);
    clock.setTimeOfDay(std::fmod(shownAt + clockSetBy + 86400, 86400));
    clock.advance(0.05);
    for (int k = 0; k < 100; ++k) {
        if (notice.tick(clock))
            return 0.05 + 0.1 * k;
        clock.advance(0.1);
    }
    return -1;
}

struct TimingCase {
    const char* name;
    double period;
    double shownAt;
    double clockSetBy;
    double hidesAfter; // seconds after showing, to the tick
};

void PrintTo(const TimingCase& c, std::ostream* os) {
    *os << c.name;
}

class TimedNoticeTest : public ::testing::TestWithParam<TimingCase> {};

TEST_P(TimedNoticeTest, HidesAtTheFirstTickAfterItsPeriodFromTheWholeSecond) {
    const TimingCase& c = GetParam();
    EXPECT_NEAR(hidesAfter(c.period, c.shownAt, c.clockSetBy), c.hidesAfter, 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Cases, TimedNoticeTest,
                         ::testing::Values(
                             // 10:00:00.4 rounds down to 10:00:00: hides after 10:00:01.5.
                             TimingCase{"bannerRoundedDown", 1.5, 36000.4, 0, 1.15},
                             // 10:00:00.6 rounds up to 10:00:01: hides after 10:00:02.5.
                             TimingCase{"bannerRoundedUp", 1.5, 36000.6, 0, 1.95},
                             // A half rounds to the even second: .5 of an even second goes down…
                             TimingCase{"halfToEvenDown", 2, 36000.5, 0, 1.55},
                             // …and .5 of an odd second goes up.
                             TimingCase{"halfToEvenUp", 2, 36001.5, 0, 2.55},
                             TimingCase{"legendWholeSecond", 2, 36000.0, 0, 2.05},
                             // Across midnight the notice does not stay up for a day.
                             TimingCase{"acrossMidnight", 2, 86399.0, 0, 2.05},
                             TimingCase{"roundedUpToMidnight", 2, 86399.7, 0, 2.35},
                             // The computer's clock set back an hour (by hand, or a large time
                             // correction) neither keeps the notice up for that hour…
                             TimingCase{"clockSetBackAnHour", 2, 36000.0, -3600, 2.05},
                             TimingCase{"clockSetBackAfterRounding", 1.5, 36000.4, -3600, 1.15},
                             TimingCase{"clockSetBackPastMidnight", 2, 600.0, -3600, 2.05},
                             // …nor does setting it forward hide the notice at once.
                             TimingCase{"clockSetForwardAnHour", 2, 36000.0, 3600, 2.05},
                             TimingCase{"clockSetForwardAfterRounding", 1.5, 36000.6, 3600, 1.95}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(TimedNoticeTest, ShowingAgainRestartsThePeriod) {
    ManualClock clock(36000.0);
    TimedNotice notice(1.5);
    notice.show(clock);
    clock.advance(1);
    EXPECT_FALSE(notice.tick(clock));
    notice.show(clock);
    clock.advance(1);
    EXPECT_FALSE(notice.tick(clock));
    clock.advance(0.6);
    EXPECT_TRUE(notice.tick(clock));
    EXPECT_FALSE(notice.isShown());
    clock.advance(0.4);
    EXPECT_FALSE(notice.tick(clock)); // a hidden notice does not hide again
}

TEST(ScoreTest, CaptionIsEmptyUntilTheFirstPointThenDigits) {
    Score score;
    EXPECT_EQ(score.caption(), QString());
    score.add();
    EXPECT_EQ(score.caption(), QStringLiteral("10"));
    for (int i = 0; i < 9; ++i)
        score.add();
    EXPECT_EQ(score.caption(), QStringLiteral("100"));
}

TEST(ScoreTest, StopsAtTheTopInsteadOfWrapping) {
    Score score;
    for (int i = 0; i < 3276; ++i)
        score.add();
    EXPECT_EQ(score.value(), 32760);
    score.add();
    score.add();
    EXPECT_EQ(score.value(), 32760);
    EXPECT_EQ(score.caption(), QStringLiteral("32760"));
}

// One pointer move and the change it must cause.
struct Move {
    int entry; // 0: the window background
    int clear;
    int load;
};

TEST(HoverHighlightTest, FollowsThePointerAcrossEntriesAndBackground) {
    HoverHighlight hover(1, 1);
    const std::vector<Move> moves{
        {1, 0, 0}, // straight onto entry 1 after load: nothing, it counts as highlighted
        {2, 1, 2}, // to the neighbour: the highlight moves without a gap
        {2, 0, 0}, // moving within the entry changes nothing
        {3, 2, 3}, //
        {0, 3, 0}, // the background clears the entry last hovered
        {0, 3, 0}, // and again (clearing an empty box is harmless)
        {3, 0, 3}, // back onto the same entry: highlighted again
        {1, 3, 1}, //
    };
    for (std::size_t i = 0; i < moves.size(); ++i) {
        const Move& m = moves[i];
        const HoverHighlight::Change c =
            m.entry ? hover.overEntry(m.entry) : hover.overBackground();
        EXPECT_EQ(c.clear, m.clear) << "move " << i;
        EXPECT_EQ(c.load, m.load) << "move " << i;
    }
    EXPECT_EQ(hover.highlighted(), 1);
}

} // namespace
