#include "DigitPadArt.h"

#include "util/Fonts.h"

#include <QPainter>

namespace coefficient {

using util::kGothic;
using util::uiFont;

QRectF digitBoxRect(int d) {
    return QRectF(digitStep * (d - 1), 0, digitBoxWidth, digitBoxHeight);
}

void paintDigitBox(QPainter& p, const QRectF& r, int d, bool highlighted) {
    const QColor yellow(255, 255, 0);
    p.save();
    const QRectF box = r.adjusted(2, 2, -2, -2);
    p.fillRect(box, highlighted ? yellow : Qt::black);
    p.setPen(QPen(highlighted ? yellow : Qt::white, 2));
    p.drawRect(box);
    p.setPen(highlighted ? Qt::black : Qt::white);
    p.setFont(uiFont(kGothic, 16, true));
    p.drawText(box, Qt::AlignCenter, QString::number(d));
    p.restore();
}

void paintDigitPad(QPainter& p, const QRectF& r) {
    p.fillRect(r, Qt::black);
    for (int d = 1; d <= 8; ++d)
        paintDigitBox(p, digitBoxRect(d).translated(r.topLeft()), d, false);
}

} // namespace coefficient
