#include "TimeOfDay.h"

#include <cmath>

namespace util {

namespace {
constexpr double secondsPerDay = 86400;
}

std::int32_t wholeSecond(double timeOfDay) {
    return static_cast<std::int32_t>(std::nearbyint(timeOfDay));
}

double secondsSince(std::int32_t stamp, double now) {
    // Folded into [-12 h, 12 h): a stamp rounded up past now stays a small
    // negative difference instead of wrapping to almost a day.
    double d = std::fmod(now - stamp, secondsPerDay);
    if (d >= secondsPerDay / 2)
        d -= secondsPerDay;
    else if (d < -secondsPerDay / 2)
        d += secondsPerDay;
    return d;
}

} // namespace util
