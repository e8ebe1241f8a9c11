#pragma once

#include "util/widgets/Place.h"

#include <QRect>

// Where the formula screen 化学式 puts its controls, in pixels of its 751 × 501
// client area. The screen places its widgets with these, and the answer
// table's picture draws its rules with them, so the two cannot drift apart.
namespace formula::geometry {

using widgets::Place;

constexpr int rowCount = 10;
constexpr int rowsPerBlock = 5;
constexpr int cellsPerRow = 11;

// Glyph cells: 15 × 56, 14 px apart, so neighbours share one pixel column.
constexpr int cellWidth = 15;
constexpr int cellStep = 14;
constexpr int cellHeight = 56;

constexpr Place palette{.name = "Image1", .rect = {21, 21, 586, 81}};
constexpr Place answerTable{.name = "Image3", .rect = {21, 117, 711, 307}};
// 問 / 化合物 / 化学式 above the rows (drawn in the answer table's picture).
constexpr QRect answerHeader(21, 117, 711, 27);
constexpr Place deleteAll{.name = "Command2", .rect = {284, 445, 115, 35}}; // 全式削除
constexpr Place deleteOne{.name = "Command3", .rect = {410, 445, 115, 35}}; // 一字削除

// Palette entry n (Image2_n), 1..26.
Place paletteEntry(int n);
// Row r's click area (Image4_r), 1..10: 356 × 58, over everything else of the row.
Place rowArea(int r);
// Row r's compound name (Label1_r).
Place nameLabel(int r);
// Row r's rectangle behind its formula (Shape1_r).
Place rowRect(int r);
// Cell c (1..11) of row r (Image<r+6>_c).
Place cell(int r, int c);
// The question-number column of row r's block (①…⑩ are drawn there).
QRect numberColumn(int r);

} // namespace formula::geometry
