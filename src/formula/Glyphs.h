#pragma once

#include <QString>

namespace formula {

// The 26 glyphs of the formula palette, numbered in palette order; a glyph's
// code is its number in two digits ("01" … "26"), and a formula is the
// concatenation of its glyphs' codes.
enum class GlyphKind { Element, Parenthesis, Subscript };

struct Glyph {
    QString symbol;  // as written: "Al", "(", "2" for subscript 2
    QString tooltip; // the palette entry's tooltip: "アルミニウム", "左カッコ", "2" …
    GlyphKind kind;

    // What a screen reader says for the palette entry: the tooltip, except
    // that a bare "2" would not tell a subscript from a coefficient.
    QString spokenName() const;
};

constexpr int glyphCount = 26;
constexpr int leftParenthesisGlyph = 22;
constexpr int rightParenthesisGlyph = 23;
// The subscript glyph for a count of 2, 3 or 4 (glyphs 24, 25, 26).
constexpr int subscriptGlyph(int count) {
    return 22 + count;
}

// Glyph n, 1..26.
const Glyph& glyph(int n);
// Glyph n's code: n in two digits.
QString glyphCode(int n);

} // namespace formula
