#include "FormulaGeometry.h"

#include "PaletteArt.h"

namespace formula::geometry {

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

Place paletteEntry(int n) {
    return {.name = "Image2",
            .rect = paletteEntryRect(n).toRect().translated(palette.rect.topLeft()),
            .index = n};
}

Place rowArea(int r) {
    // The click areas keep the slightly uneven tops of the original layout.
    static constexpr int tops[rowCount] = {143, 199, 255, 309, 367, 143, 198, 254, 310, 367};
    return {.name = "Image4", .rect = {rightBlock(r) ? 376 : 21, tops[r - 1], 356, 58}, .index = r};
}

Place nameLabel(int r) {
    return {.name = "Label1",
            .rect = {rightBlock(r) ? 404 : 49, 164 + 56 * rowInBlock(r), 161, 30},
            .index = r};
}

Place rowRect(int r) {
    return {.name = "Shape1", .rect = {rightBlock(r) ? 566 : 211, rowTop(r), 166, 56}, .index = r};
}

Place cell(int r, int c) {
    // Row r's cells form the group Image<r+6>.
    static constexpr const char* groups[rowCount] = {"Image7",  "Image8",  "Image9",  "Image10",
                                                     "Image11", "Image12", "Image13", "Image14",
                                                     "Image15", "Image16"};
    const int x0 = rightBlock(r) ? 571 : 216;
    return {.name = groups[r - 1],
            .rect = {x0 + cellStep * (c - 1), rowTop(r), cellWidth, cellHeight},
            .index = c};
}

QRect numberColumn(int r) {
    return rightBlock(r) ? QRect(378, rowTop(r), 25, 56) : QRect(22, rowTop(r), 26, 56);
}

} // namespace formula::geometry
