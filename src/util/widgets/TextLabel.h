#pragma once

#include "Place.h"

#include <QLabel>

namespace widgets {

// A label of a screen: caption, font, colours, alignment, and a transparent or
// opaque background. Transparent labels lie on pictures and must not paint
// over them, so colours go through the palette, never a stylesheet.
class TextLabel : public QLabel {
    Q_OBJECT
public:
    struct Look {
        QFont font;
        QColor text = Qt::white;
        QColor background = Qt::black;
        bool opaque = false;
        Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    };

    // role: what a screen reader says of an empty label (a box's purpose).
    TextLabel(QWidget* parent, const QString& name, const QRect& rect, const Look& look,
              const QString& role = {});
    TextLabel(QWidget* parent, const Place& place, const Look& look, const QString& role = {})
        : TextLabel(parent, place.objectName(), place.rect, look, role) {}

    void setCaption(const QString& caption);
    void setBackground(const QColor& c);
    void setTextColor(const QColor& c);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* e) override;

private:
    QString role_;
};

} // namespace widgets
