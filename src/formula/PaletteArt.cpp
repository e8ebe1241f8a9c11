#include "PaletteArt.h"

#include "Glyphs.h"
#include "util/Fonts.h"

#include <QPainter>

namespace formula {

using util::kGothic;
using util::uiFont;

QRectF paletteEntryRect(int n) {
    const int i = n - 1;
    return QRectF(paletteStepX * (i % paletteColumns), i < paletteColumns ? 0 : paletteStepY,
                  paletteEntryWidth, paletteEntryHeight);
}

void paintPaletteEntry(QPainter& p, const QRectF& r, int n, bool highlighted) {
    const QColor yellow(255, 255, 0);
    const QColor ink = highlighted ? Qt::black : yellow;
    p.save();
    p.fillRect(r, highlighted ? yellow : Qt::black);
    p.setPen(QPen(highlighted ? Qt::white : QColor(110, 110, 110), 1));
    p.drawRect(r.adjusted(0.5, 0.5, -0.5, -0.5));
    const Glyph& g = glyph(n);
    p.setPen(ink);
    if (g.kind == GlyphKind::Subscript) {
        // A subscript sits small and low, as it stands in a formula.
        p.setFont(uiFont(kGothic, 12, true));
        p.drawText(r.adjusted(0, 0, 0, -4), Qt::AlignHCenter | Qt::AlignBottom, g.symbol);
    } else {
        p.setFont(uiFont(kGothic, 17, true));
        p.drawText(r, Qt::AlignCenter, g.symbol);
    }
    p.restore();
}

void paintPalette(QPainter& p, const QRectF& r) {
    p.fillRect(r, Qt::black);
    for (int n = 1; n <= glyphCount; ++n)
        paintPaletteEntry(p, paletteEntryRect(n).translated(r.topLeft()), n, false);
}

} // namespace formula
