#include "Generators.h"
#include "MaterialWriter.h"
#include "coefficient/DigitPadArt.h"

#include <QPainter>

using coefficient::digitBoxHeight;
using coefficient::digitBoxWidth;
using coefficient::paintDigitBox;

// \係数: the digit pad's highlight pictures.
void generateCoefficientMaterial(MaterialWriter& out) {
    for (int d = 1; d <= 8; ++d) {
        out.picture(QStringLiteral("\\係数\\数字\\r%1.gif").arg(d),
                    QSize(digitBoxWidth, digitBoxHeight), [d](QPainter& p) {
                        paintDigitBox(p, QRectF(0, 0, digitBoxWidth, digitBoxHeight), d, true);
                    });
    }
}
