#pragma once

#include <QString>

#include <array>

namespace chemistry {

struct AtomicWeight {
    const char* symbol;
    double weight;
};

// The atomic weights of the exercise, as the strip at the top of the screen
// shows them. Every substance asked is made of these elements only, and its
// molar mass is computed from these values.
inline constexpr std::array<AtomicWeight, 7> atomicWeights{{
    {"H", 1},
    {"C", 12},
    {"N", 14},
    {"O", 16},
    {"F", 19},
    {"S", 32},
    {"Cl", 35.5},
}};

// The weight of an element of the strip; 0 for any other symbol.
double atomicWeight(const QString& symbol);

} // namespace chemistry
