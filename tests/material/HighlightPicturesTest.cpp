// The palette highlight pictures of the generated material must be readable
// GIFs of the entry size, drawn exactly as the screen draws a highlighted
// entry, so the highlight lines up with the palette beneath it.
#include "coefficient/DigitPadArt.h"
#include "formula/Glyphs.h"
#include "formula/PaletteArt.h"
#include "util/MaterialPath.h"

#include <QImage>
#include <QPainter>

#include <functional>
#include <gtest/gtest.h>

using coefficient::digitBoxHeight;
using coefficient::digitBoxWidth;
using coefficient::paintDigitBox;
using formula::glyphCount;
using formula::paintPaletteEntry;
using formula::paletteEntryHeight;
using formula::paletteEntryWidth;
using util::materialPath;

namespace {

QImage drawn(QSize size, const std::function<void(QPainter&, const QRectF&)>& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p, QRectF(QPointF(0, 0), size));
    return image;
}

void expectSamePicture(const QString& relativePath, const QImage& expected) {
    const QString path = materialPath(QStringLiteral(CHEMDRILL_BUILD_DIR), relativePath);
    QImage gif(path);
    ASSERT_FALSE(gif.isNull()) << path.toStdString();
    EXPECT_EQ(gif.size(), expected.size()) << path.toStdString();
    EXPECT_EQ(gif.convertToFormat(QImage::Format_RGB32), expected) << path.toStdString();
}

TEST(HighlightPicturesTest, FormulaPaletteEntriesMatchTheScreensDrawing) {
    for (int n = 1; n <= glyphCount; ++n) {
        expectSamePicture(
            QStringLiteral("\\化学式\\画像\\g(%1).gif").arg(n),
            drawn({paletteEntryWidth, paletteEntryHeight},
                  [n](QPainter& p, const QRectF& r) { paintPaletteEntry(p, r, n, true); }));
    }
}

TEST(HighlightPicturesTest, DigitPadEntriesMatchTheScreensDrawing) {
    for (int d = 1; d <= 8; ++d) {
        expectSamePicture(QStringLiteral("\\係数\\数字\\r%1.gif").arg(d),
                          drawn({digitBoxWidth, digitBoxHeight}, [d](QPainter& p, const QRectF& r) {
                              paintDigitBox(p, r, d, true);
                          }));
    }
}

} // namespace
