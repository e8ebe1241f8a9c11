#pragma once

#include <QString>

#include <vector>

namespace coefficient {

// An element of one formula and its atoms in one formula unit.
struct ElementCount {
    QString symbol; // exactly as written: a full-width Ｈ is not H
    int atoms = 0;

    bool operator==(const ElementCount&) const = default;
};

// What the parser makes of one formula text: the distinct symbols in the
// order they first appear, or, for a text it cannot count, why not.
struct ParsedFormula {
    std::vector<ElementCount> elements;
    QString error; // empty when the formula was read

    bool ok() const { return error.isEmpty(); }
};

// How much one formula may hold once its group and subscripts are expanded.
constexpr int maxSymbolsPerFormula = 20; // symbols as written, a group counted per copy
constexpr int maxAtomsPerFormula = 20;

// Reads a formula the way the coefficient screen counts atoms:
//
//   formula  = [prefix] [ "（" inner "）" multiplier ] [suffix]
//   symbol   = any character, with the next one joined to it unless that one
//              is a digit 2–9 or a capital A–Z           Na, Cl, C, O
//   subscript = one digit 2–9 after a symbol               H2O, Fe3O4
//
// Every test is made on the character's narrow form (full-width letters and
// digits count like ASCII ones); symbols keep the form they were written in.
// The one group is written in full-width parentheses, and the character after
// "）" multiplies it; a full-width digit there counts by its value, as it does
// as a subscript.    Ca（OH）2 → Ca 1, O 2, H 2;  Al2（SO4）3 → Al 2, S 3, O 12
//
// Texts that would make nonsense of the counts are refused instead of
// counted: a digit with no symbol before it, a group not closed, empty, or
// without its multiplier 1–9, a second group, a half-width parenthesis, and
// anything over the limits above.
ParsedFormula parseFormula(const QString& formula);

} // namespace coefficient
