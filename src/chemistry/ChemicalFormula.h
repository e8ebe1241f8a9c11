#pragma once

#include <QString>

#include <map>
#include <optional>

namespace chemistry {

// A molecular formula read as plain text ("CO2", "C3H8", "(CH3)2O"): the
// count of atoms of each element, or the position and reason of the first
// fault.
struct FormulaReading {
    std::map<QString, int> atoms; // element symbol → number of atoms
    bool ok = false;
    qsizetype errorAt = 0; // index of the first character that could not be read
    QString error;
};

FormulaReading readFormula(const QString& formula);

// The molar mass from the strip's atomic weights; nothing when the formula
// cannot be read or uses an element the strip does not show.
std::optional<double> molarMassOf(const QString& formula);

// A text with its formulas' counts as subscript digits, as a screen reader
// should read them: a digit that follows a Latin letter, a closing
// parenthesis or another such digit is a count ("CO2" → "CO₂",
// "(CH3)2O" → "(CH₃)₂O"); other digits stay.
QString withSubscripts(const QString& text);

} // namespace chemistry
