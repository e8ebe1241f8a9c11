#pragma once

#include <QString>

namespace monkey {

// Whether a number box's text is a number as the screens write it, or the
// beginning of one while it is being typed: "", "-", "12.", ".5", "1.2E",
// "1.2E-", "6.02E+23". No blanks, at most one point, an exponent only after a
// digit of the mantissa and never a point after it.
bool isNumberOrPrefix(const QString& text);

// The calculator display: a number or its prefix of at most ten characters,
// or "E" for a result it cannot show.
bool isCalculatorDisplay(const QString& text);

} // namespace monkey
