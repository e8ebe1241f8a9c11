#include "DigitPadArt.h"

#include "BoxFaceArt.h"

#include <QPainter>

namespace coefficient {

QRectF digitBoxRect(int d) {
    return QRectF(digitStep * (d - 1), 0, digitBoxWidth, digitBoxHeight);
}

void paintDigitBox(QPainter& p, const QRectF& r, int d, bool highlighted) {
    paintBoxFace(p, r, highlighted ? FaceStyle::Selected : FaceStyle::Plain, d);
}

void paintDigitPad(QPainter& p, const QRectF& r) {
    p.fillRect(r, Qt::black);
    for (int d = 1; d <= 8; ++d)
        paintDigitBox(p, digitBoxRect(d).translated(r.topLeft()), d, false);
}

} // namespace coefficient
