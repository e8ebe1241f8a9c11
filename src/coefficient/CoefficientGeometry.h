#pragma once

#include "util/widgets/Place.h"

// Where the coefficient screen's own controls lie in its 751 × 501 client
// area. The pictures drawn for them take the same constants.
namespace coefficient::geometry {

using widgets::Place;

constexpr Place band{.name = "Label1", .rect = {37, 24, 569, 33}};
constexpr Place headingFirst{.name = "Label2", .rect = {37, 30, 36, 26}};  // 第
constexpr Place headingNumber{.name = "Label3", .rect = {68, 30, 37, 26}}; // n
constexpr Place headingLast{.name = "Label4", .rect = {104, 30, 36, 26}};  // 問
constexpr Place title{.name = "Label5", .rect = {160, 31, 437, 26}};
// The equation picture; its size is the picture's, its corner the origin of
// the box positions.
constexpr Place equation{.name = "Image1", .rect = {37, 96, 0, 0}};
constexpr QSize boxSize{48, 38};
constexpr Place padFrame{.name = "Shape1", .rect = {133, 198, 476, 61}};
constexpr Place pad{.name = "Image3", .rect = {187, 210, 370, 38}};
constexpr Place atomTable{.name = "Image7", .rect = {133, 275, 476, 146}};
constexpr Place showCounts{.name = "Command4", .rect = {286, 443, 115, 35}};
constexpr Place hideCounts{.name = "Command8", .rect = {286, 443, 115, 35}};
constexpr Place deleteCoefficient{.name = "Command5", .rect = {412, 443, 115, 35}};

// Box j, 1..6, of a problem whose box j lies at `offset` from the picture's corner.
constexpr Place box(int j, QPoint offset) {
    return {.name = "Image2", .rect = {equation.rect.topLeft() + offset, boxSize}, .index = j};
}
// The click area of pad digit d, 1..8.
constexpr Place padDigit(int d) {
    return {.name = "Image4", .rect = {187 + 46 * (d - 1), 210, 48, 38}, .index = d};
}

// The atom-count table: row r (1..6) of the left column is the label set
// Label(8 + r), of the right column Label(14 + r); each set has four labels.
constexpr int tableRows = 6;
constexpr int rowHeight = 20;
constexpr int leftRowTop[tableRows] = {288, 309, 330, 351, 372, 393};
constexpr int rightRowTop[tableRows] = {286, 309, 330, 351, 372, 393};
constexpr int leftLabelX[4] = {183, 221, 306, 353};
constexpr int rightLabelX[4] = {420, 459, 544, 591};
constexpr int labelWidth[4] = {38, 80, 40, 17};
constexpr const char* leftRowName[tableRows] = {"Label9",  "Label10", "Label11",
                                                "Label12", "Label13", "Label14"};
constexpr const char* rightRowName[tableRows] = {"Label15", "Label16", "Label17",
                                                 "Label18", "Label19", "Label20"};

// Label k (1..4) of row r (1..6), left column or right.
constexpr Place tableLabel(bool left, int r, int k) {
    const auto i = static_cast<std::size_t>(k - 1);
    const auto row = static_cast<std::size_t>(r - 1);
    return {.name = left ? leftRowName[row] : rightRowName[row],
            .rect = {left ? leftLabelX[i] : rightLabelX[i],
                     left ? leftRowTop[row] : rightRowTop[row], labelWidth[i], rowHeight},
            .index = k};
}

// The table picture's two columns, in its own coordinates: each begins with
// a heading cell (左辺, 右辺) left of its labels.
constexpr int tableColumnSplit = 238; // x where the right column starts
constexpr int leftHeadingWidth = leftLabelX[0] - atomTable.rect.x() - 4;
constexpr int rightHeadingWidth = rightLabelX[0] - atomTable.rect.x() - tableColumnSplit - 4;

} // namespace coefficient::geometry
