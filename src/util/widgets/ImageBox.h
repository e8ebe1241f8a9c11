#pragma once

#include "Art.h"
#include "Place.h"

#include <QPixmap>
#include <QWidget>

namespace widgets {

// An image box: shows a picture at its own size from its top-left corner, or
// nothing. The picture is either one of the screen's own (drawn by code) or a
// GIF of the question material loaded while the program runs. Reports clicks
// and pointer moves, as palette entries and row areas need them.
class ImageBox : public QWidget {
    Q_OBJECT
public:
    ImageBox(QWidget* parent, const QString& name, const QRect& rect,
             const QString& accessibleName = {});
    ImageBox(QWidget* parent, const Place& place, const QString& accessibleName = {})
        : ImageBox(parent, place.objectName(), place.rect, accessibleName) {}

    // Loads a material picture. A missing, unreadable or oversized file
    // leaves the box empty and is reported once per path on stderr.
    void loadPicture(const QString& path);
    void setArt(Art art);
    void clearPicture();
    bool hasPicture() const { return !pixmap_.isNull() || bool(art_); }
    // The loaded picture's size; empty when none could be loaded.
    QSize pictureSize() const { return pixmap_.size(); }
    // The file last loaded, empty when the box shows none.
    const QString& picturePath() const { return path_; }
    // Clickable boxes are buttons to assistive technology.
    void setClickable(bool clickable) { clickable_ = clickable; }
    bool isClickable() const { return clickable_; }
    void click() { emit clicked(); }

signals:
    void clicked();
    void pointerMoved();

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    QPixmap pixmap_;
    QString path_;
    Art art_;
    bool clickable_ = false;
    bool pressed_ = false;
};

} // namespace widgets
