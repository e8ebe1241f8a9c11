#include "AtomTableArt.h"

#include "CoefficientGeometry.h"
#include "util/Fonts.h"

#include <QPainter>

namespace coefficient {

using util::kMincho;
using util::uiFont;

namespace {
const QColor headingBlue(0, 0, 192); // the colour of the heading band

// A heading cell with its two characters one above the other.
void paintHeading(QPainter& p, const QRectF& cell, const QString& text) {
    p.fillRect(cell, headingBlue);
    p.setPen(Qt::white);
    p.setFont(uiFont(kMincho, 15.75, true));
    const QRectF upper(cell.left(), cell.center().y() - 26, cell.width(), 26);
    const QRectF lower(cell.left(), cell.center().y(), cell.width(), 26);
    p.drawText(upper, Qt::AlignCenter, text.left(1));
    p.drawText(lower, Qt::AlignCenter, text.mid(1));
}
} // namespace

void paintAtomTable(QPainter& p, const QRectF& r) {
    p.save();
    p.fillRect(r, Qt::black);
    const qreal split = r.left() + geometry::tableColumnSplit;
    const QRectF left(r.left(), r.top(), geometry::tableColumnSplit, r.height());
    const QRectF right(split, r.top(), r.width() - geometry::tableColumnSplit, r.height());
    paintHeading(
        p,
        QRectF(left.left() + 3, left.top() + 3, geometry::leftHeadingWidth - 2, left.height() - 6),
        QStringLiteral("左辺"));
    paintHeading(p,
                 QRectF(right.left() + 3, right.top() + 3, geometry::rightHeadingWidth - 2,
                        right.height() - 6),
                 QStringLiteral("右辺"));
    p.setPen(QPen(Qt::white, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(left.adjusted(1, 1, -1, -1));
    p.drawRect(right.adjusted(1, 1, -1, -1));
    p.restore();
}

} // namespace coefficient
