#pragma once

#include <QString>

#include <array>

namespace mole {

// The five answer boxes: 1 amount (モル), 2 mantissa of the number of
// molecules, 3 its power of ten, 4 gas volume (L), 5 mass (g).
constexpr int boxCount = 5;
constexpr int powerBox = 3;

// The accepted answers of one question, per box 1..5 (slot 0 unused).
struct MoleAnswers {
    int amountTenths = 0; // n: the amount drawn is n × 0.1 mol, 1..99
    // Route 1 works from the amount in moles rounded to one decimal; route 2
    // from the rounded number of molecules. Both are accepted.
    std::array<QString, boxCount + 1> rounded;
    std::array<QString, boxCount + 1> exact;

    // The longest text a box accepts: the longer of its two answers, so that
    // every answer judged correct can also be entered.
    int maxLength(int box) const;
};

// The answers for a substance of the given molar mass and an amount of
// n × 0.1 mol (n 1..99): the number of molecules as m × 10^p with m rounded to
// one decimal, and every answer normalised to one decimal with a zero before
// the point below 1 (box 3 holds "22", "23" or "24").
MoleAnswers generateValues(float molarMass, int n);

// Which boxes a question of kind 1..4 gives: kind 1 box 1, kind 2 boxes 2 and
// 3, kind 3 box 4, kind 4 box 5.
bool boxGiven(int kind, int box);

} // namespace mole
