#include "PrerenderedArt.h"

#include <QPaintDevice>
#include <QPainter>

#include <cmath>

namespace widgets {

namespace {
PrerenderedLookup lookup = nullptr;
} // namespace

void installPrerenderedPictures(PrerenderedLookup l) {
    lookup = l;
}

QImage prerenderedImage(const QString& key, int scale) {
    if (!lookup)
        return {};
    QImage image = lookup(key, scale);
    image.setDevicePixelRatio(scale);
    return image;
}
QImage drawAtScale(const PrerenderedPicture& picture, int scale) {
    QImage image(picture.size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    picture.art(p, QRectF(QPointF(0, 0), picture.size));
    return image;
}

Art prerendered(const QString& key, Art live) {
    return [key, live = std::move(live)](QPainter& p, const QRectF& r) {
        const qreal dpr = p.device() ? p.device()->devicePixelRatioF() : 1.0;
        const int scale = static_cast<int>(std::lround(dpr));
        if ((scale == 1 || scale == 2) && std::abs(dpr - scale) < 1e-6) {
            const QImage image = prerenderedImage(key, scale);
            if (!image.isNull() && image.size() == (r.size() * scale).toSize()) {
                p.drawImage(r.topLeft(), image);
                return;
            }
        }
        live(p, r);
    };
}

} // namespace widgets
