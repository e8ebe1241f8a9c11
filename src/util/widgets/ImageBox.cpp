#include "ImageBox.h"

#include "Controls.h"
#include "util/PictureFile.h"

#include <QMouseEvent>
#include <QPainter>
#include <QSet>

#include <cstdio>

namespace widgets {

namespace {
// One warning per unreadable file for the whole run, however often it is asked for.
void warnUnreadable(const QString& path, const QString& problem) {
    static QSet<QString> warned;
    if (warned.contains(path))
        return;
    warned.insert(path);
    std::fprintf(stderr, "chemdrill: 画像ファイルを読めません: %s（%s）\n", qUtf8Printable(path),
                 qUtf8Printable(problem));
}
} // namespace

ImageBox::ImageBox(QWidget* parent, const QString& name, const QRect& rect,
                   const QString& accessibleName)
    : QWidget(parent) {
    placeControl(this, name, rect, accessibleName);
    setMouseTracking(true);
}

void ImageBox::loadPicture(const QString& path) {
    art_ = nullptr;
    path_ = path;
    const util::Picture picture = util::readPicture(path);
    pixmap_ = QPixmap::fromImage(picture.image);
    if (pixmap_.isNull())
        warnUnreadable(path, picture.problem);
    update();
}

void ImageBox::setArt(Art art) {
    pixmap_ = QPixmap();
    path_.clear();
    art_ = std::move(art);
    update();
}

void ImageBox::clearPicture() {
    pixmap_ = QPixmap();
    path_.clear();
    art_ = nullptr;
    update();
}

void ImageBox::paintEvent(QPaintEvent*) {
    if (!hasPicture())
        return;
    QPainter p(this);
    if (art_) {
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        art_(p, rect());
    } else {
        p.drawPixmap(0, 0, pixmap_);
    }
}

void ImageBox::mousePressEvent(QMouseEvent* e) {
    if (e->button() == Qt::LeftButton)
        pressed_ = true;
}

void ImageBox::mouseReleaseEvent(QMouseEvent* e) {
    const bool click =
        pressed_ && e->button() == Qt::LeftButton && rect().contains(e->position().toPoint());
    pressed_ = false;
    if (click)
        emit clicked();
}

void ImageBox::mouseMoveEvent(QMouseEvent*) {
    emit pointerMoved();
}

} // namespace widgets
