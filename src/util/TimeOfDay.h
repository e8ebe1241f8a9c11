#pragma once

#include <cstdint>

namespace util {

// Seconds since midnight rounded to a whole second, halves to the even
// neighbour, as the banner and the judgement legend stamp their start.
std::int32_t wholeSecond(double timeOfDay);

// Seconds from a whole-second stamp to now. Across midnight the time of day
// starts again at zero, so the difference is taken modulo one day: a banner
// shown at 23:59:59 still hides two seconds later. Slightly negative when the
// stamp was rounded up.
double secondsSince(std::int32_t stamp, double now);

} // namespace util
