#include "TimeOfDay.h"

#include <cmath>

namespace util {

std::int32_t wholeSecond(double timeOfDay) {
    return static_cast<std::int32_t>(std::nearbyint(timeOfDay));
}

} // namespace util
