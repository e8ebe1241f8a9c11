#include "GlyphArt.h"

#include "FormulaGeometry.h"
#include "Glyphs.h"
#include "util/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

namespace formula {

using util::kGothic;

namespace {
// Baselines and sizes in pixels from the top of a 56 px cell.
constexpr qreal letterBaseline = 37;
constexpr qreal letterPixels = 24;
constexpr qreal subscriptBaseline = 44;
constexpr qreal subscriptPixels = 16;
constexpr qreal parenthesisBaseline = 45;
constexpr qreal parenthesisPixels = 34;

// Half-width monospaced letters (0.5 em) fit one per cell; an outline face,
// where the Gothic face of the labels would use its blocky embedded bitmaps
// at these sizes. The Gothic face stands in when it is missing.
QFont glyphFont(qreal pixels) {
    QFont f(QStringLiteral("Noto Sans Mono CJK JP"));
    f.setFamilies({QStringLiteral("Noto Sans Mono CJK JP"), kGothic});
    f.setBold(true);
    f.setPixelSize(qRound(pixels));
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Draws text centred on x at a baseline, squeezed horizontally when it would
// reach the pixel column a neighbouring cell shares with this picture.
void drawCentred(QPainter& p, const QRectF& r, const QString& text, const QFont& font,
                 qreal baseline) {
    const QFontMetricsF m(font);
    const qreal room = r.width() - 3; // one free column each side, one shared
    const qreal width = m.horizontalAdvance(text);
    const qreal squeeze = width > room ? room / width : 1.0;
    p.save();
    p.setFont(font);
    p.translate(r.left() + (r.width() - 1) / 2, r.top() + baseline);
    p.scale(squeeze, 1);
    p.drawText(QPointF(-width / 2, 0), text);
    p.restore();
}
} // namespace

QSize glyphPictureSize(int width) {
    using namespace formulaGeometry;
    return QSize(cellStep * (width - 1) + cellWidth, cellHeight);
}

void paintGlyph(QPainter& p, const QRectF& r, int n) {
    const Glyph& g = glyph(n);
    p.save();
    p.fillRect(r, Qt::black);
    p.setPen(Qt::white);
    switch (g.kind) {
    case GlyphKind::Element:
        drawCentred(p, r, g.symbol, glyphFont(letterPixels), letterBaseline);
        break;
    case GlyphKind::Subscript:
        drawCentred(p, r, g.symbol, glyphFont(subscriptPixels), subscriptBaseline);
        break;
    case GlyphKind::Parenthesis:
        drawCentred(p, r, g.symbol, glyphFont(parenthesisPixels), parenthesisBaseline);
        break;
    }
    p.restore();
}

} // namespace formula
