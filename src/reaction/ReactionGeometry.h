#pragma once

#include <QRect>

namespace reaction {

// Where the reaction screen 反応量 puts its table, in pixels of its 751 × 501
// client area. The screen places its controls with these and the generator
// draws the table, name and frame pictures with them, so a picture and the
// controls over it cannot drift apart.
namespace reactionGeometry {

constexpr int columnCount = 4; // substances
constexpr int rowCount = 3;    // 1 moles, 2 volume, 3 mass
constexpr int cellCount = columnCount * rowCount;

constexpr QRect atomicWeights(12, 11, 607, 35); // Image2
constexpr QRect heading(12, 57, 556, 33);       // Image5
constexpr QRect questionNumber(38, 65, 37, 23); // Label3
constexpr QRect equation(17, 106, 479, 35);     // Image10
constexpr QRect table(17, 157, 542, 259);       // Image4

constexpr QSize nameSize(113, 43);  // Image11 and the b(N) pictures
constexpr QSize frameSize(111, 71); // Image9 and the frame pictures
constexpr QSize labelSize(88, 36);  // Label2
constexpr int columnStep = 112;     // neighbouring columns share a rule
constexpr int rowStep = 72;

// cellIndex = (column − 1) × 3 + row, 1..12, and back.
constexpr int cellIndex(int column, int row) {
    return (column - 1) * rowCount + row;
}
constexpr int columnOf(int cell) {
    return (cell - 1) / rowCount + 1;
}
constexpr int rowOf(int cell) {
    return cell - rowCount * (columnOf(cell) - 1);
}

// Column i's substance picture (Image11_i), 1..4, in the table's 物質 row.
constexpr QRect namePlace(int column) {
    return QRect(QPoint(110 + columnStep * (column - 1), 157), nameSize);
}
// Cell c's frame (Image9_c), 1..12.
constexpr QRect framePlace(int cell) {
    return QRect(QPoint(111 + columnStep * (columnOf(cell) - 1), 200 + rowStep * (rowOf(cell) - 1)),
                 frameSize);
}
// Cell c's text (Label2_c), centred on its frame; the half pixel goes right and down.
constexpr QRect labelPlace(int cell) {
    const QRect f = framePlace(cell);
    return QRect(QPoint(f.left() + (f.width() - labelSize.width() + 1) / 2,
                        f.top() + (f.height() - labelSize.height() + 1) / 2),
                 labelSize);
}

// The table picture's rules, in its own coordinates (Image4 at table's
// corner). Vertical: k = 0 right of the row heads, k = 1..4 right of column k.
constexpr int columnRule(int k) {
    return namePlace(1).left() - table.left() + columnStep * k;
}
// Horizontal: k = 0 below the 物質 row, k = 1..3 below row k.
constexpr int rowRule(int k) {
    return framePlace(1).top() - 1 - table.top() + rowStep * k;
}

} // namespace reactionGeometry

} // namespace reaction
