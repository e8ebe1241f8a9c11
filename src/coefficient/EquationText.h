#pragma once

#include <QString>

namespace coefficient {

struct Problem;

// A formula as text to be read: narrow letters and parentheses, digits as
// subscripts ("Ca（OH）2" → "Ca(OH)₂").
QString spokenFormula(const QString& formula);

// The equation of a problem with a blank before each substance, as a screen
// reader gives the picture: "□CH₄ + □O₂ → □CO₂ + □H₂O".
QString spokenEquation(const Problem& problem);

} // namespace coefficient
