#include "FormulaGeometry.h"

#include "PaletteArt.h"

namespace formula {

namespace formulaGeometry {

namespace {
// Rows 1–5 form the left block of the table, rows 6–10 the right one.
bool rightBlock(int r) {
    return r > rowsPerBlock;
}
int rowInBlock(int r) {
    return (r - 1) % rowsPerBlock;
}
int rowTop(int r) {
    return 144 + 56 * rowInBlock(r);
}
} // namespace

QRect paletteEntry(int n) {
    return paletteEntryRect(n).toRect().translated(palette.topLeft());
}

QRect rowArea(int r) {
    // The click areas keep the slightly uneven tops of the original layout.
    static constexpr int tops[rowCount] = {143, 199, 255, 309, 367, 143, 198, 254, 310, 367};
    return QRect(rightBlock(r) ? 376 : 21, tops[r - 1], 356, 58);
}

QRect nameLabel(int r) {
    return QRect(rightBlock(r) ? 404 : 49, 164 + 56 * rowInBlock(r), 161, 30);
}

QRect rowRect(int r) {
    return QRect(rightBlock(r) ? 566 : 211, rowTop(r), 166, 56);
}

QRect cell(int r, int c) {
    const int x0 = rightBlock(r) ? 571 : 216;
    return QRect(x0 + cellStep * (c - 1), rowTop(r), cellWidth, cellHeight);
}

QRect numberColumn(int r) {
    return rightBlock(r) ? QRect(378, rowTop(r), 25, 56) : QRect(22, rowTop(r), 26, 56);
}

QRect button(int k) {
    return QRect(QPoint(158 + 126 * (k - 1), 445), buttonSize);
}

} // namespace formulaGeometry

} // namespace formula
