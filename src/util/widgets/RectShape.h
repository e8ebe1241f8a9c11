#pragma once

#include "Place.h"

#include <QMargins>
#include <QWidget>

namespace widgets {

// A rectangle of a screen: no fill (transparent) or a solid fill colour, and
// an optional border. Mouse events pass through it to what lies beneath.
class RectShape : public QWidget {
    Q_OBJECT
public:
    RectShape(QWidget* parent, const QString& name, const QRect& rect,
              const QString& accessibleName = {});
    RectShape(QWidget* parent, const Place& place, const QString& accessibleName = {})
        : RectShape(parent, place.objectName(), place.rect, accessibleName) {}

    void setFillColor(const QColor& c);
    // true: solid fill; false: transparent (the colour is kept).
    void setFilled(bool filled);
    void setBorder(const QColor& c, int width);
    // Pixels at the edges that the fill leaves bare, for a rectangle that
    // touches a drawn rule.
    void setFillInset(const QMargins& inset);

    const QColor& fillColor() const { return fill_; }
    bool isFilled() const { return filled_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QColor fill_ = Qt::black;
    bool filled_ = false;
    QColor border_ = Qt::transparent;
    int borderWidth_ = 0;
    QMargins inset_;
};

} // namespace widgets
