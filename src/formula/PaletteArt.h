#pragma once

#include <QRectF>

class QPainter;

namespace formula {

// The glyph palette of the formula screen: 26 entries of 46 × 41 in two rows
// of 13, 45 px apart. The screen draws the whole background with it and the
// material generator draws each entry's highlight picture with the same code,
// so the two always line up.
constexpr int paletteEntryWidth = 46;
constexpr int paletteEntryHeight = 41;
constexpr int paletteColumns = 13;
constexpr int paletteStepX = 45;
constexpr int paletteStepY = 40;

// Entry n's rectangle relative to the palette's top-left corner.
QRectF paletteEntryRect(int n);
// One entry's face: yellow on black, or black on yellow when highlighted.
void paintPaletteEntry(QPainter& p, const QRectF& r, int n, bool highlighted);
// The whole palette background, 586 × 81.
void paintPalette(QPainter& p, const QRectF& r);

} // namespace formula
