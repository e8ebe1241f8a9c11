#include "PictureButton.h"

#include "Controls.h"

#include <QPainter>

namespace widgets {

PictureButton::PictureButton(QWidget* parent, const QString& name, const QRect& rect,
                             const QString& label, FaceColors colors, qreal pointSize)
    : QAbstractButton(parent), label_(label), colors_(colors), pointSize_(pointSize) {
    placeControl(this, name, rect, label);
    setText(label);
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::PointingHandCursor);
}

void PictureButton::setFaceArt(Art art) {
    faceArt_ = std::move(art);
    update();
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF r = rect();
    if (faceArt_) {
        faceArt_(p, r);
        if (isDown())
            p.fillRect(r, QColor(255, 255, 255, 60));
        return;
    }
    paintButtonFace(p, r, label_, colors_, pointSize_, isDown());
}

} // namespace widgets
