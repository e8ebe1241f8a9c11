#pragma once

#include <functional>

namespace util {
class Clock;
class RandomSource;
} // namespace util

namespace practice {

// Draws a question number 1..count that `isFree` accepts: the random source
// is re-seeded from the time of day before every draw, n = floor(x × count) + 1,
// and a draw that is not free is repeated at once. The caller records the
// accepted number in its recent-question memories.
//
// A sound generator finds a free number within a few draws; a source stuck
// on blocked values (or data that leaves nothing free) must not hang the
// screen, so after a bound the first free number is taken, and when none is
// free the last draw is returned as it is.
int drawQuestion(int count, const util::Clock& clock, util::RandomSource& random,
                 const std::function<bool(int)>& isFree);

} // namespace practice
