#pragma once

#include <QRectF>

class QPainter;

namespace coefficient {

// The atom-count table's background (Image7): two columns on black, each
// headed by a cell reading 左辺 or 右辺 down its left edge; the rows are
// labels laid over it.
void paintAtomTable(QPainter& p, const QRectF& r);

} // namespace coefficient
