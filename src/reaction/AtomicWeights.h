#pragma once

#include <array>

namespace reaction {

// The atomic weights the reaction screen states on its strip (Image2). The
// generator computes every molar mass of the material from these, so the
// strip and the answers agree.
struct AtomicWeight {
    const char* symbol;
    double weight;
};

inline constexpr std::array<AtomicWeight, 7> atomicWeights = {{
    {"H", 1},
    {"C", 12},
    {"N", 14},
    {"O", 16},
    {"F", 19},
    {"S", 32},
    {"Cl", 35.5},
}};

} // namespace reaction
