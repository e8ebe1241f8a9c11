#include "RandomSource.h"

#include <cstring>

namespace util {

std::uint64_t MixingRandom::step() {
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

void MixingRandom::reseed(double timeOfDay) {
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof timeOfDay);
    std::memcpy(&bits, &timeOfDay, sizeof bits);
    state_ ^= bits;
    step();
}

double MixingRandom::next() {
    // The top 53 bits give every double in [0, 1) on a 2^-53 grid.
    return static_cast<double>(step() >> 11) * 0x1.0p-53;
}

} // namespace util
