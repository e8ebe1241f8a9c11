#include "Generators.h"
#include "MaterialWriter.h"
#include "formula/Glyphs.h"
#include "formula/PaletteArt.h"

#include <QPainter>

// \化学式: the palette's highlight pictures.
void generateFormulaMaterial(MaterialWriter& out) {
    for (int n = 1; n <= glyphCount; ++n) {
        out.picture(QStringLiteral("\\化学式\\画像\\g(%1).gif").arg(n),
                    QSize(paletteEntryWidth, paletteEntryHeight), [n](QPainter& p) {
                        paintPaletteEntry(p, QRectF(0, 0, paletteEntryWidth, paletteEntryHeight), n,
                                          true);
                    });
    }
}
