#include "Art.h"

#include "util/Fonts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <utility>

namespace widgets {

using util::kPMincho;
using util::uiFont;

namespace {
const QColor kRed(200, 0, 0);
const QColor kGreen(0, 160, 40);
const QColor kGold(255, 214, 0);

// The largest size up to pointSize at which the text fits the box; labels
// are fixed, but a longer one must shrink rather than be cut.
QFont fittedFont(const QString& family, qreal pointSize, bool bold, const QString& text,
                 const QSizeF& box) {
    QFont font = uiFont(family, pointSize, bold);
    for (qreal size = pointSize; size > 6; size -= 0.5) {
        font.setPointSizeF(size);
        const QFontMetricsF fm(font);
        if (fm.horizontalAdvance(text) <= box.width() && fm.height() <= box.height())
            break;
    }
    return font;
}

// Text with a soft shadow below it, so white stays readable on light plates.
void drawEmbossedText(QPainter& p, const QRectF& r, int flags, const QString& text,
                      const QColor& color) {
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(r.translated(0, 1), flags, text);
    p.setPen(color);
    p.drawText(r, flags, text);
}

// A rounded plate in the given colour: lighter at the top, darker at the
// bottom, with a glossy upper half and a thin bevel.
void paintPlate(QPainter& p, const QRectF& r, const QColor& base, qreal radius, bool pressed) {
    const QRectF outer = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient body(outer.topLeft(), outer.bottomLeft());
    body.setColorAt(0, base.lighter(pressed ? 105 : 130));
    body.setColorAt(0.5, base);
    body.setColorAt(1, base.darker(pressed ? 120 : 150));
    p.setPen(QPen(base.darker(220), 1));
    p.setBrush(body);
    p.drawRoundedRect(outer, radius, radius);

    if (!pressed) {
        const QRectF gloss(outer.left() + 2, outer.top() + 1.5, outer.width() - 4,
                           outer.height() * 0.45);
        QLinearGradient shine(gloss.topLeft(), gloss.bottomLeft());
        shine.setColorAt(0, QColor(255, 255, 255, 90));
        shine.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(shine);
        p.drawRoundedRect(gloss, radius - 1, radius - 1);
    }
    p.setPen(QPen(QColor(255, 255, 255, pressed ? 30 : 70), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(outer.adjusted(1, 1, -1, -1), radius - 1, radius - 1);
}

// A round-bottomed flask holding a yellow liquid, filling a square of side s.
void paintFlask(QPainter& p, const QPointF& at, qreal s) {
    p.save();
    p.translate(at);
    QPainterPath bulb;
    bulb.addEllipse(QRectF(s * 0.16, s * 0.34, s * 0.68, s * 0.62));
    QPainterPath neck;
    neck.addRoundedRect(QRectF(s * 0.39, s * 0.06, s * 0.22, s * 0.38), s * 0.03, s * 0.03);
    const QPainterPath flask = bulb.united(neck);

    QLinearGradient glass(0, 0, s, 0);
    glass.setColorAt(0, QColor(210, 230, 255));
    glass.setColorAt(1, QColor(150, 180, 230));
    p.setPen(Qt::NoPen);
    p.setBrush(glass);
    p.drawPath(flask);

    QPainterPath level;
    level.addRect(QRectF(0, s * 0.58, s, s));
    QLinearGradient liquid(0, s * 0.58, 0, s);
    liquid.setColorAt(0, QColor(255, 230, 60));
    liquid.setColorAt(1, QColor(240, 150, 0));
    p.setBrush(liquid);
    p.drawPath(flask.intersected(level));

    p.setBrush(QColor(255, 255, 255, 200));
    p.drawEllipse(QPointF(s * 0.42, s * 0.74), s * 0.045, s * 0.045);
    p.drawEllipse(QPointF(s * 0.57, s * 0.82), s * 0.03, s * 0.03);
    p.drawEllipse(QPointF(s * 0.50, s * 0.66), s * 0.025, s * 0.025);

    p.setPen(QPen(QColor(20, 40, 90), std::max<qreal>(1, s * 0.035)));
    p.setBrush(Qt::NoBrush);
    p.drawPath(flask);
    p.drawLine(QPointF(s * 0.34, s * 0.06), QPointF(s * 0.66, s * 0.06));
    p.restore();
}
} // namespace

void paintButtonFace(QPainter& p, const QRectF& r, const QString& label, const FaceColors& colors,
                     qreal pointSize, bool pressed) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = std::min<qreal>(8, r.height() / 6);
    paintPlate(p, r, colors.background, radius, pressed);
    const QRectF textBox = r.adjusted(6, 2, -6, -2);
    p.setFont(fittedFont(kPMincho, pointSize, true, label, textBox.size()));
    drawEmbossedText(p, pressed ? r.translated(1, 1) : r, Qt::AlignCenter, label, colors.text);
    p.restore();
}

void paintScorePanel(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, Qt::black);
    const qreal headerHeight = std::round(r.height() * 0.40);
    const QRectF frame = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath panel;
    panel.addRoundedRect(frame, 4, 4);

    // The header is the top of the rounded panel, cut straight at its foot.
    QPainterPath band;
    band.addRect(QRectF(r.left(), r.top(), r.width(), headerHeight));
    QLinearGradient red(r.topLeft(), QPointF(r.left(), r.top() + headerHeight));
    red.setColorAt(0, kRed.lighter(135));
    red.setColorAt(1, kRed.darker(125));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPath(panel.intersected(band));

    p.setPen(QPen(QColor(170, 170, 170), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(panel);
    p.drawLine(QPointF(frame.left(), r.top() + headerHeight),
               QPointF(frame.right(), r.top() + headerHeight));

    const QRectF header(r.left(), r.top(), r.width(), headerHeight);
    p.setFont(fittedFont(kPMincho, 12, true, QStringLiteral("得　点"), header.size()));
    drawEmbossedText(p, header, Qt::AlignCenter, QStringLiteral("得　点"), Qt::white);
    p.restore();
}

void paintJudgementLegend(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal radius = std::min<qreal>(6, r.height() / 6);
    const QRectF outer = r.adjusted(0.5, 0.5, -0.5, -0.5);
    QPainterPath plate;
    plate.addRoundedRect(outer, radius, radius);
    const QRectF left(r.left(), r.top(), r.width() / 2, r.height());
    const QRectF right(r.center().x(), r.top(), r.width() / 2, r.height());
    for (const auto& [half, color] : {std::pair{left, kGreen}, std::pair{right, kRed}}) {
        QPainterPath clip;
        clip.addRect(half);
        QLinearGradient g(half.topLeft(), half.bottomLeft());
        g.setColorAt(0, color.lighter(135));
        g.setColorAt(0.5, color);
        g.setColorAt(1, color.darker(145));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(plate.intersected(clip));
    }
    p.setPen(QPen(QColor(0, 0, 0, 160), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(plate);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawLine(QPointF(r.center().x(), outer.top() + 3),
               QPointF(r.center().x(), outer.bottom() - 3));

    p.setFont(
        fittedFont(kPMincho, 16, true, QStringLiteral("誤"), left.adjusted(2, 2, -2, -2).size()));
    drawEmbossedText(p, left, Qt::AlignCenter, QStringLiteral("正"), Qt::white);
    drawEmbossedText(p, right, Qt::AlignCenter, QStringLiteral("誤"), Qt::white);
    p.restore();
}

void paintMenuTitle(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF plate = r.adjusted(1, 1, -1, -1);
    QLinearGradient g(plate.topLeft(), plate.bottomLeft());
    g.setColorAt(0, QColor(20, 60, 150));
    g.setColorAt(0.55, QColor(5, 25, 85));
    g.setColorAt(1, QColor(0, 10, 45));
    p.setPen(QPen(kGold, 2));
    p.setBrush(g);
    p.drawRoundedRect(plate, 9, 9);
    p.setPen(QPen(QColor(255, 255, 255, 60), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(plate.adjusted(3, 3, -3, -3), 6, 6);

    const qreal emblem = plate.height() - 16;
    paintFlask(p, QPointF(plate.left() + 12, plate.top() + 8), emblem);

    const QRectF text(plate.left() + emblem + 20, plate.top() + 4, plate.width() - emblem - 28,
                      plate.height() - 8);
    const QRectF titleBox(text.left(), text.top(), text.width(), text.height() * 0.64);
    const QRectF subBox(text.left(), titleBox.bottom(), text.width(), text.height() * 0.36);
    const QString title = QStringLiteral("化学ドリル");
    const QString subtitle = QStringLiteral("化学式・係数・モル・反応量");
    p.setFont(fittedFont(kPMincho, 22, true, title, titleBox.size()));
    drawEmbossedText(p, titleBox, Qt::AlignCenter, title, kGold);
    p.setFont(fittedFont(kPMincho, 10.5, true, subtitle, subBox.size()));
    p.setPen(QColor(225, 235, 255));
    p.drawText(subBox, Qt::AlignHCenter | Qt::AlignTop, subtitle);
    p.restore();
}

namespace {
// The program icon: the flask on a dark blue rounded square.
void paintIcon(QPainter& p, qreal s) {
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(s * 0.35, s * 0.25), s);
    g.setColorAt(0, QColor(40, 90, 190));
    g.setColorAt(1, QColor(0, 20, 80));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
    paintFlask(p, QPointF(s * 0.08, s * 0.06), s * 0.84);
}
} // namespace

QIcon programIcon() {
    QIcon icon;
    for (int size : programIconSizes) {
        QPixmap pm(size, size);
        pm.fill(Qt::transparent);
        QPainter p(&pm);
        paintIcon(p, size);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    paintIcon(p, size);
    p.end();
    return image;
}

} // namespace widgets
