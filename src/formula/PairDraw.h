#pragma once

namespace util {
class Clock;
}
namespace util {
class RandomSource;
}
namespace util {
class RecentMemory;
}

namespace formula {

// Draws the pair number of the next question, 1..pairCount, among those the
// program-wide memory does not block, and records it there: a pair comes back
// at the earliest as the 102nd question after it, across sets and visits.
// The random source is re-seeded from the time of day before every draw, and
// a draw that hits a blocked pair is repeated at once. pairCount must exceed
// recentPairWindow (the data loader sees to that).
int drawPair(int pairCount, util::RecentMemory& recent, const util::Clock& clock,
             util::RandomSource& random);

} // namespace formula
