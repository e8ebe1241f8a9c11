#include "CalculatorArt.h"

#include "Calculator.h"
#include "util/Fonts.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace calculator {

using util::kGothic;
using util::uiFont;

namespace {
const QColor yellow(255, 220, 0);

// Where the body's features lie, relative to the body's top-left corner; the
// display and memory mark widgets sit over them.
const QRectF displayWindow(11, 26, 92, 22);
const QRectF keyArea(7, 66, 99, 186);
const QRectF solarCell(58, 6, 48, 14);

QFont faceFont(int pixelSize, bool bold) {
    QFont f = uiFont(kGothic, 9, bold);
    f.setPixelSize(pixelSize);
    return f;
}

void paintBezel(QPainter& p, const QRectF& r, qreal radius) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(22, 24, 28));
    g.setColorAt(1, QColor(52, 56, 64));
    p.setPen(QPen(QColor(130, 136, 148), 1));
    p.setBrush(g);
    p.drawRoundedRect(r, radius, radius);
}

// A strip of four dark solar cells, as on a pocket calculator.
void paintSolarCell(QPainter& p, const QRectF& r) {
    paintBezel(p, r.adjusted(-1.5, -1.5, 1.5, 1.5), 2);
    const qreal w = r.width() / 4;
    for (int i = 0; i < 4; ++i) {
        const QRectF cell(r.left() + i * w + 0.5, r.top() + 0.5, w - 1, r.height() - 1);
        QLinearGradient g(cell.topLeft(), cell.bottomRight());
        g.setColorAt(0, QColor(92, 58, 40));
        g.setColorAt(1, QColor(48, 26, 18));
        p.fillRect(cell, g);
    }
}

// The symbol of an operator key, drawn as strokes so it is centred exactly.
void paintOperator(QPainter& p, const QPointF& c, int key) {
    const qreal a = 4.5;
    p.setPen(QPen(Qt::white, 1.8, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::white);
    switch (key) {
    case Calculator::Minus:
        p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
        break;
    case Calculator::Plus:
        p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
        p.drawLine(QPointF(c.x(), c.y() - a), QPointF(c.x(), c.y() + a));
        break;
    case Calculator::Times: {
        const qreal d = a * 0.75;
        p.drawLine(QPointF(c.x() - d, c.y() - d), QPointF(c.x() + d, c.y() + d));
        p.drawLine(QPointF(c.x() - d, c.y() + d), QPointF(c.x() + d, c.y() - d));
        break;
    }
    case Calculator::Divide:
        p.drawLine(QPointF(c.x() - a, c.y()), QPointF(c.x() + a, c.y()));
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(c.x(), c.y() - 3.4), 1.3, 1.3);
        p.drawEllipse(QPointF(c.x(), c.y() + 3.4), 1.3, 1.3);
        break;
    case Calculator::Equals:
        p.drawLine(QPointF(c.x() - a, c.y() - 2.2), QPointF(c.x() + a, c.y() - 2.2));
        p.drawLine(QPointF(c.x() - a, c.y() + 2.2), QPointF(c.x() + a, c.y() + 2.2));
        break;
    case Calculator::Point:
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(c.x(), c.y() + 4), 1.6, 1.6);
        break;
    default:
        break;
    }
}

// The caption of a key drawn as text: a digit, or the yellow memory and clear keys.
QString keyText(int key) {
    if (key >= Calculator::Digit0 && key <= Calculator::Digit0 + 9)
        return QString::number(key - Calculator::Digit0);
    switch (key) {
    case Calculator::ClearAll:
        return QStringLiteral("AC");
    case Calculator::ClearEntry:
        return QStringLiteral("CE");
    case Calculator::Store:
        return QStringLiteral("M");
    case Calculator::Recall:
        return QStringLiteral("MR");
    default:
        return {};
    }
}
} // namespace

void paintCalculatorBody(QPainter& p, const QRectF& r) {
    p.save();
    p.translate(r.topLeft());
    const QRectF body(0.5, 0.5, r.width() - 1, r.height() - 1);

    // Case: a graphite shell with a lit upper edge.
    QLinearGradient shell(body.topLeft(), body.bottomLeft());
    shell.setColorAt(0, QColor(128, 134, 146));
    shell.setColorAt(0.12, QColor(96, 102, 114));
    shell.setColorAt(1, QColor(58, 62, 70));
    p.setPen(QPen(QColor(170, 176, 188), 1));
    p.setBrush(shell);
    p.drawRoundedRect(body, 9, 9);
    p.setPen(QPen(QColor(30, 32, 36), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(body.adjusted(1, 1, -1, -1), 8, 8);

    paintSolarCell(p, solarCell);

    // The display window: a dark bezel round the black display itself.
    paintBezel(p, displayWindow.adjusted(-4, -3, 4, 3), 3);
    p.fillRect(displayWindow, Qt::black);

    // The name plate between display and keys.
    p.setPen(QColor(205, 210, 220));
    p.setFont(faceFont(7, true));
    p.drawText(QRectF(0, 53, r.width(), 11), Qt::AlignCenter, QStringLiteral("CALCULATOR"));

    // The recessed key field.
    paintBezel(p, keyArea.adjusted(-3, -3, 3, 3), 5);
    p.restore();
}

void paintCalculatorKey(QPainter& p, const QRectF& r, int key) {
    p.save();
    const QRectF face(r.center().x() - 9.5, r.center().y() - 11, 19, 22);
    QLinearGradient g(face.topLeft(), face.bottomLeft());
    g.setColorAt(0, QColor(62, 62, 66));
    g.setColorAt(0.35, QColor(14, 14, 16));
    g.setColorAt(1, Qt::black);
    p.setPen(QPen(QColor(150, 150, 156), 1));
    p.setBrush(g);
    p.drawRoundedRect(face.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);

    const QString text = keyText(key);
    if (text.isEmpty()) {
        paintOperator(p, face.center(), key);
    } else {
        const bool isDigit = text.size() == 1 && text[0].isDigit();
        p.setPen(isDigit ? QColor(Qt::white) : yellow);
        p.setFont(faceFont(isDigit ? 15 : text.size() == 1 ? 12 : 10, true));
        p.drawText(face, Qt::AlignCenter, text);
    }
    p.restore();
}

void paintMemoryMark(QPainter& p, const QRectF& r) {
    p.save();
    p.setPen(QPen(yellow, 1));
    p.setBrush(Qt::black);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setPen(yellow);
    p.setFont(faceFont(13, true));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("M"));
    p.restore();
}

} // namespace calculator
