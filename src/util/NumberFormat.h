#pragma once

#include <QString>

// Both helpers always use a point as the decimal sign, whatever the desktop's
// locale.

namespace util {

// numberText(x): the screens' number-to-text form. A blank before zero and
// positive values, "-" before negative ones; up to 15 significant digits,
// rounded, trailing zeros and point dropped; no "0" before the point below 1
// (.5, -.25); exponent form (1E+15, 2.5E-05) when the decimal exponent is
// below -4 or 15 and above. Zero is " 0".
QString numberText(double x);

// numberValue(text): the value of the longest leading part of text that reads
// as a decimal number: blanks skipped, optional sign, digits with at most one
// point, optional exponent. Empty or non-numeric text gives 0.
double numberValue(const QString& text);

// roundToTenth(v) = floor(v * 10 + 0.5) / 10: halves go up, also below zero.
double roundToTenth(double v);

} // namespace util
