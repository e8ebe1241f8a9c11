#include "Art.h"

#include "util/Fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

void paintButtonFace(QPainter& p, const QRectF& r, const QString& label, const FaceColors& colors,
                     qreal pointSize, bool pressed) {
    p.save();
    const QRectF plate = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    const QColor base = pressed ? colors.background.darker(130) : colors.background;
    g.setColorAt(0, base.lighter(135));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(140));
    p.setPen(QPen(base.lighter(170), 1));
    p.setBrush(g);
    p.drawRoundedRect(plate, 4, 4);
    p.setPen(colors.text);
    p.setFont(uiFont(kPMincho, pointSize, true));
    p.drawText(pressed ? r.translated(1, 1) : r, Qt::AlignCenter, label);
    p.restore();
}

void paintScorePanel(QPainter& p, const QRectF& r) {
    p.save();
    p.fillRect(r, Qt::black);
    const QRectF header(r.left(), r.top(), r.width(), r.height() * 0.40);
    p.fillRect(header, QColor(200, 0, 0));
    p.setPen(QPen(QColor(160, 160, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(Qt::white);
    p.setFont(uiFont(kPMincho, 12, true));
    p.drawText(header, Qt::AlignCenter, QStringLiteral("得　点"));
    p.restore();
}

void paintJudgementLegend(QPainter& p, const QRectF& r) {
    p.save();
    const QRectF left(r.left(), r.top(), r.width() / 2, r.height());
    const QRectF right(r.center().x(), r.top(), r.width() / 2, r.height());
    p.fillRect(left, QColor(0, 200, 0));
    p.fillRect(right, QColor(255, 0, 0));
    p.setPen(Qt::white);
    p.setFont(uiFont(kPMincho, 16, true));
    p.drawText(left, Qt::AlignCenter, QStringLiteral("正"));
    p.drawText(right, Qt::AlignCenter, QStringLiteral("誤"));
    p.restore();
}

void paintMenuTitle(QPainter& p, const QRectF& r) {
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0, 40, 120));
    g.setColorAt(1, QColor(0, 10, 50));
    p.setPen(QPen(QColor(255, 220, 0), 2));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), 8, 8);
    p.setPen(QColor(255, 220, 0));
    p.setFont(uiFont(kPMincho, 22, true));
    p.drawText(r.adjusted(0, 4, 0, -22), Qt::AlignCenter, QStringLiteral("化学ドリル"));
    p.setPen(Qt::white);
    p.setFont(uiFont(kGothic, 9));
    p.drawText(r.adjusted(0, 0, 0, -6), Qt::AlignHCenter | Qt::AlignBottom,
               QStringLiteral("化学式・係数・モル・反応量の練習"));
    p.restore();
}

namespace {
// A round-bottomed flask with a yellow liquid, on dark blue.
void paintIcon(QPainter& p, qreal s) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 30, 110));
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    QPainterPath flask;
    flask.addEllipse(QRectF(s * 0.22, s * 0.38, s * 0.56, s * 0.52));
    QPainterPath neck;
    neck.addRect(QRectF(s * 0.42, s * 0.10, s * 0.16, s * 0.34));
    flask = flask.united(neck);
    p.setBrush(QColor(230, 240, 255));
    p.drawPath(flask);
    QPainterPath liquid;
    liquid.addRect(QRectF(0, s * 0.60, s, s));
    p.setBrush(QColor(255, 210, 0));
    p.drawPath(flask.intersected(liquid));
}
} // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paintIcon(p, size);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}
