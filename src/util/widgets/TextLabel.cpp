#include "TextLabel.h"

#include "Controls.h"

#include <QMouseEvent>

namespace widgets {

TextLabel::TextLabel(QWidget* parent, const QString& name, const QRect& rect, const Look& look,
                     const QString& role)
    : QLabel(parent), role_(role) {
    placeControl(this, name, rect, role);
    setFont(look.font);
    setAlignment(look.alignment);
    setTextFormat(Qt::PlainText);
    setTextColor(look.text);
    setBackground(look.background);
    setAutoFillBackground(look.opaque);
}

void TextLabel::setCaption(const QString& caption) {
    setText(caption);
    setAccessibleName(caption.isEmpty() ? role_ : caption);
}

void TextLabel::setBackground(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::Window, c);
    setPalette(pal);
}

void TextLabel::setTextColor(const QColor& c) {
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, c);
    setPalette(pal);
}

void TextLabel::mouseReleaseEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton && rect().contains(e->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(e);
}

} // namespace widgets
