#pragma once

#include "Art.h"
#include "Place.h"

#include <QAbstractButton>

namespace widgets {

// A button whose whole face is a picture carrying its Japanese label. The
// label is also the button's accessible name, so a screen reader says
// "解答判定" where a sighted learner sees it. Worked by the mouse only.
class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, const QString& name, const QRect& rect, const QString& label,
                  FaceColors colors = {}, qreal pointSize = 12);
    PictureButton(QWidget* parent, const Place& place, const QString& label, FaceColors colors = {},
                  qreal pointSize = 12)
        : PictureButton(parent, place.objectName(), place.rect, label, colors, pointSize) {}
    // A face drawn by the caller instead of the standard plate; the label
    // stays the accessible name.
    void setFaceArt(Art art);

    const QString& label() const { return label_; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QString label_;
    FaceColors colors_;
    qreal pointSize_;
    Art faceArt_;
};

} // namespace widgets
