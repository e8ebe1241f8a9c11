#include "RectShape.h"

#include "Controls.h"

#include <QPainter>

namespace widgets {

RectShape::RectShape(QWidget* parent, const QString& name, const QRect& rect,
                     const QString& accessibleName)
    : QWidget(parent) {
    placeControl(this, name, rect, accessibleName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void RectShape::setFillColor(const QColor& c) {
    fill_ = c;
    update();
}

void RectShape::setFilled(bool filled) {
    filled_ = filled;
    update();
}

void RectShape::setBorder(const QColor& c, int width) {
    border_ = c;
    borderWidth_ = width;
    update();
}

void RectShape::setFillInset(const QMargins& inset) {
    inset_ = inset;
    update();
}

void RectShape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (filled_)
        p.fillRect(rect().marginsRemoved(inset_), fill_);
    if (borderWidth_ > 0) {
        const qreal half = borderWidth_ / 2.0;
        p.setPen(QPen(border_, borderWidth_));
        p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    }
}

} // namespace widgets
