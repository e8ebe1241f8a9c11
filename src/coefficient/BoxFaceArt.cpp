#include "BoxFaceArt.h"

#include "util/Fonts.h"

#include <QPainter>

namespace coefficient {

using util::kGothic;
using util::uiFont;

namespace {
struct Look {
    QColor fill;
    QColor frame;
    QColor digit;
};

Look lookOf(FaceStyle style) {
    const QColor yellow(255, 255, 0);
    switch (style) {
    case FaceStyle::Selected:
        return {yellow, yellow, Qt::black};
    case FaceStyle::Entered:
        return {yellow, QColor(220, 0, 0), QColor(220, 0, 0)};
    case FaceStyle::Correct:
        return {QColor(0, 200, 0), Qt::white, Qt::white};
    case FaceStyle::Wrong:
        return {QColor(255, 0, 0), Qt::white, Qt::white};
    case FaceStyle::Plain:
        break;
    }
    return {Qt::black, Qt::white, Qt::white};
}
} // namespace

QString faceStyleName(FaceStyle style) {
    switch (style) {
    case FaceStyle::Selected:
        return QStringLiteral("r");
    case FaceStyle::Entered:
        return QStringLiteral("y");
    case FaceStyle::Correct:
        return QStringLiteral("g_h");
    case FaceStyle::Wrong:
        return QStringLiteral("r_h");
    case FaceStyle::Plain:
        break;
    }
    return QStringLiteral("w");
}

void paintBoxFace(QPainter& p, const QRectF& r, FaceStyle style, int d) {
    const Look look = lookOf(style);
    p.save();
    const QRectF box = r.adjusted(2, 2, -2, -2);
    p.fillRect(box, look.fill);
    p.setPen(QPen(look.frame, 2));
    p.drawRect(box);
    if (d != 0) {
        p.setPen(look.digit);
        p.setFont(uiFont(kGothic, 16, true));
        p.drawText(box, Qt::AlignCenter, QString::number(d));
    }
    p.restore();
}

} // namespace coefficient
