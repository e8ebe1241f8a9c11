#include "app/MenuArt.h"

#include <QPainter>

#include <gtest/gtest.h>

using app::firstScreenPictures;
using widgets::Art;
using widgets::drawAtScale;
using widgets::prerendered;
using widgets::prerenderedImage;
using widgets::PrerenderedPicture;

// The menu's pictures drawn ahead at build time are exactly what the live
// drawing gives at both scales, so prerendering changes nothing on screen.
TEST(PrerenderedArtTest, PicturesMatchTheLiveDrawing) {
    for (const PrerenderedPicture& picture : firstScreenPictures()) {
        for (int scale : {1, 2}) {
            const QImage ready = prerenderedImage(picture.key, scale);
            ASSERT_FALSE(ready.isNull()) << picture.key.toStdString() << " @" << scale;
            const QImage live = drawAtScale(picture, scale);
            EXPECT_EQ(ready.size(), live.size()) << picture.key.toStdString();
            EXPECT_TRUE(ready == live) << picture.key.toStdString() << " @" << scale;
        }
    }
}

TEST(PrerenderedArtTest, OtherScalesAndUnknownKeysDrawLive) {
    bool drawnLive = false;
    const Art art = prerendered(QStringLiteral("menu-title"),
                                [&](QPainter&, const QRectF&) { drawnLive = true; });
    QImage odd(QSize(270, 66) * 3 / 2, QImage::Format_ARGB32_Premultiplied);
    odd.setDevicePixelRatio(1.5);
    QPainter p(&odd);
    art(p, QRectF(0, 0, 270, 66));
    EXPECT_TRUE(drawnLive);

    drawnLive = false;
    QImage one(270, 66, QImage::Format_ARGB32_Premultiplied);
    QPainter q(&one);
    prerendered(QStringLiteral("no-such-picture"),
                [&](QPainter&, const QRectF&) { drawnLive = true; })(q, QRectF(0, 0, 270, 66));
    EXPECT_TRUE(drawnLive);
}
