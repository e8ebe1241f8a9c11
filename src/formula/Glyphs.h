#pragma once

#include <QString>

// The 26 glyphs of the formula palette, numbered in palette order; a glyph's
// code is its number in two digits ("01" … "26").
struct Glyph {
    QString symbol;  // as written: "Al", "(", "2" for subscript 2
    QString tooltip; // the palette entry's tooltip: "アルミニウム", "左カッコ" …
    bool subscript;  // 24, 25, 26 are the subscripts 2, 3, 4
};

constexpr int glyphCount = 26;
// Glyph n, 1..26.
const Glyph& glyph(int n);
