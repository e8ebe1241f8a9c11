#include "ReactionPictures.h"

#include "reaction/ChemicalText.h"
#include "reaction/ReactionGeometry.h"
#include "util/Fonts.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>

using reaction::chemicalTextWidth;
using reaction::paintChemicalText;
using util::kGothic;
using util::kMincho;

namespace geometry = reaction::reactionGeometry;

namespace {
const QColor rule(255, 255, 255);
const QColor headInk(255, 255, 160);

QFont pixelFont(const QString& family, int pixels, bool bold = true) {
    QFont f(family);
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

// The largest pixel size up to `pixels` at which the chemical text fits `width`.
QFont fitted(const QString& family, int pixels, const QString& text, qreal width, bool chemical) {
    QFont f = pixelFont(family, pixels);
    for (; pixels > 8; --pixels) {
        f.setPixelSize(pixels);
        const qreal w =
            chemical ? chemicalTextWidth(text, f) : QFontMetricsF(f).horizontalAdvance(text);
        if (w <= width)
            break;
    }
    return f;
}

// Two lines centred in a box: "モル数（モル）" reads as モル数 over （モル）.
void drawHead(QPainter& p, const QRectF& box, const QString& head) {
    const qsizetype open = head.indexOf(u'（');
    const QString text = open > 0 ? head.left(open) + u'\n' + head.mid(open) : head;
    p.setFont(pixelFont(kMincho, 14));
    p.setPen(headInk);
    p.drawText(box, Qt::AlignCenter, text);
}
} // namespace

QString tableRowHead(int row) {
    static const char16_t* const heads[] = {u"物質", u"モル数（モル）", u"体積（リットル）",
                                            u"重さ（ｇ）"};
    return QString::fromUtf16(heads[row]);
}

void paintEquationPicture(QPainter& p, const QString& equation) {
    const QSize size = geometry::equation.size();
    p.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    p.setPen(Qt::white);
    const QFont font = fitted(kGothic, 22, equation, size.width() - 16, true);
    paintChemicalText(p, QPointF(8, 24), equation, font);
}

void paintTablePicture(QPainter& p, int n) {
    using namespace geometry;
    p.fillRect(QRect(QPoint(0, 0), table.size()), Qt::black);
    const int right = columnRule(n);
    const int bottom = rowRule(rowCount);
    p.setPen(QPen(rule, 1));
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int k = -1; k <= rowCount; ++k) {
        const int y = k < 0 ? 0 : rowRule(k);
        p.drawLine(0, y, right, y);
    }
    p.drawLine(0, 0, 0, bottom);
    for (int k = 0; k <= n; ++k)
        p.drawLine(columnRule(k), 0, columnRule(k), bottom);
    p.setRenderHint(QPainter::Antialiasing);
    for (int row = 0; row <= rowCount; ++row) {
        const int top = row == 0 ? 0 : rowRule(row - 1);
        const int below = rowRule(row);
        drawHead(p, QRectF(1, top + 1, columnRule(0) - 1, below - top - 1), tableRowHead(row));
    }
}

void paintSubstancePicture(QPainter& p, const QString& name, const QString& formula) {
    const QSize size = geometry::nameSize;
    p.fillRect(QRect(QPoint(0, 0), size), Qt::black);
    // The picture covers the rules around its cell, so it draws them again.
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(rule, 1));
    p.drawRect(0, 0, size.width() - 1, size.height() - 1);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal room = size.width() - 8;
    const QFont nameFont = fitted(kMincho, 13, name, room, false);
    p.setFont(nameFont);
    p.setPen(Qt::white);
    p.drawText(QRectF(1, 2, size.width() - 2, 16), Qt::AlignCenter, name);
    // One ink for both lines: a GIF holds 256 colours, and two inks blended
    // with the black at their edges would need more.
    const QFont formulaFont = fitted(kGothic, 17, formula, room, true);
    const qreal width = chemicalTextWidth(formula, formulaFont);
    paintChemicalText(p, QPointF((size.width() - width) / 2, 33), formula, formulaFont);
}

void paintFramePicture(QPainter& p, QChar letter) {
    struct Look {
        char16_t letter;
        QColor border;
        QColor fill;
    };
    static const Look looks[] = {
        {u'w', QColor(255, 255, 255), QColor(0, 0, 0)},
        {u'y', QColor(255, 230, 0), QColor(70, 60, 0)},
        {u'b', QColor(60, 140, 255), QColor(0, 0, 150)},
        {u'g', QColor(0, 230, 0), QColor(0, 120, 0)},
        {u'r', QColor(255, 40, 40), QColor(170, 0, 0)},
    };
    const auto* look = std::find_if(std::begin(looks), std::end(looks), [letter](const Look& l) {
        return l.letter == letter.unicode();
    });
    if (look == std::end(looks))
        look = looks;
    const QRectF r(QPointF(0, 0), geometry::frameSize);
    p.fillRect(r, Qt::black);
    p.setPen(QPen(look->border, 3));
    p.setBrush(look->fill);
    p.drawRoundedRect(r.adjusted(4.5, 4.5, -4.5, -4.5), 5, 5);
}
