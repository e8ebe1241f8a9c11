#pragma once

#include <QRectF>

class QPainter;

namespace formula {

// The answer table of the formula screen (Image3, 711 × 307): white rules on
// black, a header row 問 / 化合物 / 化学式 and two blocks of five rows, the
// question numbers ① to ⑩ in the first column. Drawn by code from the
// screen's geometry, so its rules stay sharp at any scale and run exactly
// between the name labels, the row rectangles and the glyph cells.
void paintAnswerTable(QPainter& p, const QRectF& r);

} // namespace formula
