#pragma once

#include "mole/MoleData.h"
#include "mole/MolePractice.h"
#include "support/ScriptedRandom.h"
#include "util/Clock.h"
#include "util/RecentMemory.h"

#include <array>
#include <vector>

// Helpers shared by the mole tests.
namespace moleTest {

// Question q of substance s (1..20) and kind k (1..4), counted by hand.
constexpr int question(int s, int k) {
    return (s - 1) * 4 + k;
}

// The value in [0, 1) that draws question q of 80.
inline double questionValue(int q) {
    return (q - 0.5) / 80;
}
// The value in [0, 1) that draws the amount n × 0.1 mol.
inline double amountValue(int n) {
    return (n + 0.5) / 100;
}

// Substance 1 weighs 44 g/mol and substance 2 55 g/mol; the rest 28.
inline mole::MoleData smallData() {
    std::array<float, mole::MoleData::substanceCount> masses{};
    masses.fill(28);
    masses[0] = 44;
    masses[1] = 55;
    return mole::MoleData::fromValues(masses);
}

// The program-wide memories as the program makes them, with their windows.
struct Memories {
    util::RecentMemory questions{100, 50, 41};
    util::RecentMemory substances{30, 15, 11};
};

} // namespace moleTest
