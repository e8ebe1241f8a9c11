#pragma once

#include <QRectF>
#include <QSize>

class QPainter;

namespace formula {

// The glyph pictures of the answer rows ("\化学式\元素\gen(n).gif"): each
// glyph as it stands in a written formula, white on the table's black. A
// glyph of width w covers w answer cells, so its picture is 14·(w−1)+15 px
// wide and a cell high; letters share one baseline, subscripts sit small and
// low, parentheses reach from above the capitals to below the subscripts.
QSize glyphPictureSize(int width);
void paintGlyph(QPainter& p, const QRectF& r, int n);

} // namespace formula
