#pragma once

#include <cstdint>

namespace util {

// Seconds since midnight rounded to a whole second, halves to the even
// neighbour, as the banner and the judgement legend stamp their start.
std::int32_t wholeSecond(double timeOfDay);

} // namespace util
