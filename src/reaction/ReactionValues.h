#pragma once

#include <QString>

namespace reaction {

// The text of every table value: rounded to a tenth with exactly one digit
// after the point and a "0" before it below 1 (0.4, 4.5, 12.0, 134.4). The
// value passes through its 15-digit text first, so noise in the last bits
// of a product cannot tip the rounding.
QString formatTenth(double v);

// Moles per unit of coefficient for the amount draw r (1..9). The question
// is thought of as a particle count m × 10^e with 6 × 10^23 to the mole:
// `rounded` divides the rounded mantissa and rounds again, `exact` does not.
// Both are 0.2 × r for r = 1..8; r = 9 gives 1.8 and 11 / 6.
struct UnitAmounts {
    double rounded;
    double exact;
};
UnitAmounts unitAmounts(int r);

// r from a value x in [0, 1): Int(x × 10) + 1, with 10 folded onto 9, so 9
// comes twice as often as each other value.
int amountDraw(double x);

} // namespace reaction
