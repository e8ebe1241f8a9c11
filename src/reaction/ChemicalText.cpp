#include "ChemicalText.h"

#include <QFontMetricsF>
#include <QPainter>

namespace reaction {

namespace {
bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

QFont subscriptFont(const QFont& font) {
    QFont small = font;
    if (font.pixelSize() > 0)
        small.setPixelSize(qMax(1, qRound(font.pixelSize() * 2.0 / 3)));
    else
        small.setPointSizeF(font.pointSizeF() * 2 / 3);
    return small;
}

qreal fontPixels(const QFont& font) {
    return font.pixelSize() > 0 ? font.pixelSize() : QFontMetricsF(font).height();
}
} // namespace

std::vector<TextRun> chemicalRuns(const QString& text) {
    std::vector<TextRun> runs;
    bool afterSymbol = false; // a letter, ")" or a subscript digit came last
    for (const QChar c : text) {
        const bool subscript = isAsciiDigit(c) && afterSymbol;
        if (runs.empty() || runs.back().subscript != subscript)
            runs.push_back({QString(), subscript});
        runs.back().text += c;
        afterSymbol = c.isLetter() || c == u')' || subscript;
    }
    return runs;
}

qreal chemicalTextWidth(const QString& text, const QFont& font) {
    const QFontMetricsF normal(font);
    const QFontMetricsF small(subscriptFont(font));
    qreal width = 0;
    for (const TextRun& run : chemicalRuns(text))
        width += (run.subscript ? small : normal).horizontalAdvance(run.text);
    return width;
}

void paintChemicalText(QPainter& p, QPointF baselineStart, const QString& text, const QFont& font) {
    const QFont small = subscriptFont(font);
    const qreal drop = fontPixels(font) / 3;
    QPointF at = baselineStart;
    p.save();
    for (const TextRun& run : chemicalRuns(text)) {
        const QFont& f = run.subscript ? small : font;
        p.setFont(f);
        p.drawText(at + QPointF(0, run.subscript ? drop : 0), run.text);
        at.rx() += QFontMetricsF(f).horizontalAdvance(run.text);
    }
    p.restore();
}

} // namespace reaction
