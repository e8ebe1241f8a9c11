#pragma once

#include <QRect>

namespace formula {

// Where the formula screen 化学式 puts its controls, in pixels of its 751 × 501
// client area. The screen places its widgets with these, and the answer
// table's picture draws its rules with them, so the two cannot drift apart.
namespace formulaGeometry {

constexpr int rowCount = 10;
constexpr int rowsPerBlock = 5;
constexpr int cellsPerRow = 11;

// Glyph cells: 15 × 56, 14 px apart, so neighbours share one pixel column.
constexpr int cellWidth = 15;
constexpr int cellStep = 14;
constexpr int cellHeight = 56;

constexpr QRect palette(21, 21, 586, 81);       // Image1
constexpr QRect answerTable(21, 117, 711, 307); // Image3
constexpr QRect answerHeader(21, 117, 711, 27); // 問 / 化合物 / 化学式 above the rows
constexpr QSize buttonSize(115, 35);

// Palette entry n (Image2_n), 1..26.
QRect paletteEntry(int n);
// Row r's click area (Image4_r), 1..10: 356 × 58, over everything else of the row.
QRect rowArea(int r);
// Row r's compound name (Label1_r).
QRect nameLabel(int r);
// Row r's rectangle behind its formula (Shape1_r).
QRect rowRect(int r);
// Cell c (1..11) of row r (Image<r+6>_c).
QRect cell(int r, int c);
// The question-number column of row r's block (①…⑩ are drawn there).
QRect numberColumn(int r);
// Command1..Command4 (イオン表, 全式削除, 一字削除, 解答判定).
QRect button(int k);

} // namespace formulaGeometry

} // namespace formula
