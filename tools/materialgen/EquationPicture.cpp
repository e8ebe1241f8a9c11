#include "EquationPicture.h"

#include "util/Fonts.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

using util::kPMincho;
using util::uiFont;

namespace {

constexpr int boxWidth = 48;
constexpr int boxHeight = 38;
constexpr int margin = 6;
constexpr int lineHeight = 48;
constexpr int boxTop = 5;    // within its line
constexpr int baseline = 33; // of the formula text within its line
constexpr int subscriptDrop = 7;
constexpr int boxAir = 5; // free space either side of a box
constexpr int gapWidth = boxAir + boxWidth + boxAir;
constexpr int plusWidth = 36;
constexpr int arrowWidth = 56;
constexpr int secondLineIndent = 40;

QFont mainFont() {
    QFont f = uiFont(kPMincho, 12);
    f.setPixelSize(26);
    return f;
}
QFont subscriptFont() {
    QFont f = uiFont(kPMincho, 12);
    f.setPixelSize(17);
    return f;
}

// A formula's characters: letters and parentheses full size, digits small and low.
struct Glyph {
    QString text;
    bool subscript;
};
std::vector<Glyph> glyphsOf(const QString& formula) {
    std::vector<Glyph> glyphs;
    for (QChar c : formula)
        glyphs.push_back({QString(c), c.isDigit()});
    return glyphs;
}

int formulaWidth(const QString& formula) {
    const QFontMetrics main(mainFont());
    const QFontMetrics sub(subscriptFont());
    int width = 0;
    for (const Glyph& g : glyphsOf(formula))
        width += g.subscript ? sub.horizontalAdvance(g.text) : main.horizontalAdvance(g.text);
    return width;
}

// Appends one side's terms to a line from x, returning the x after them.
int layoutSide(EquationLayout& layout, const QStringList& formulas, int x, int lineTop) {
    for (qsizetype i = 0; i < formulas.size(); ++i) {
        if (i > 0) {
            layout.pieces.push_back(
                {EquationLayout::Piece::Plus, {}, {x, lineTop, plusWidth, lineHeight}});
            x += plusWidth;
        }
        layout.boxes.emplace_back(x + boxAir, lineTop + boxTop, boxWidth, boxHeight);
        x += gapWidth;
        const int w = formulaWidth(formulas[i]);
        layout.pieces.push_back(
            {EquationLayout::Piece::Formula, formulas[i], {x, lineTop, w, lineHeight}});
        x += w;
    }
    return x;
}

void paintFormula(QPainter& p, const QString& formula, const QRect& rect) {
    const QFont main = mainFont();
    const QFont sub = subscriptFont();
    int x = rect.left();
    for (const Glyph& g : glyphsOf(formula)) {
        const QFont& font = g.subscript ? sub : main;
        p.setFont(font);
        p.drawText(QPoint(x, rect.top() + baseline + (g.subscript ? subscriptDrop : 0)), g.text);
        x += QFontMetrics(font).horizontalAdvance(g.text);
    }
}

void paintPlus(QPainter& p, const QRect& rect) {
    const QPointF c(rect.center().x() + 0.5, rect.top() + baseline - 9);
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(c.x() - 8, c.y()), QPointF(c.x() + 8, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - 8), QPointF(c.x(), c.y() + 8));
}

void paintArrow(QPainter& p, const QRect& rect) {
    const qreal y = rect.top() + baseline - 9;
    const qreal from = rect.left() + 8;
    const qreal to = rect.right() - 8;
    p.setPen(QPen(Qt::white, 2.4, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(from, y), QPointF(to - 6, y));
    QPainterPath head;
    head.moveTo(to, y);
    head.lineTo(to - 11, y - 6);
    head.lineTo(to - 11, y + 6);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(head);
}

} // namespace

EquationLayout layoutEquation(const QStringList& left, const QStringList& right, QString& error) {
    EquationLayout layout;
    int x = layoutSide(layout, left, margin, 0);
    const int oneLineRight = x + arrowWidth + [&] {
        EquationLayout probe;
        return layoutSide(probe, right, 0, 0);
    }();
    int lineTop = 0;
    if (oneLineRight + margin > maxEquationWidth) {
        // The right-hand side goes on a second line, led by the arrow.
        layout.size.setWidth(x + margin);
        lineTop = lineHeight;
        x = margin + secondLineIndent;
    }
    layout.pieces.push_back(
        {EquationLayout::Piece::Arrow, {}, {x, lineTop, arrowWidth, lineHeight}});
    x = layoutSide(layout, right, x + arrowWidth, lineTop);
    layout.size = QSize(std::max(layout.size.width(), x + margin), lineTop + lineHeight);
    if (layout.size.width() > maxEquationWidth)
        error = QStringLiteral("式の絵が %1 px あり、幅 %2 px に収まりません")
                    .arg(layout.size.width())
                    .arg(maxEquationWidth);
    return layout;
}

void paintEquation(QPainter& p, const EquationLayout& layout) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    for (const EquationLayout::Piece& piece : layout.pieces) {
        p.setPen(Qt::white);
        switch (piece.kind) {
        case EquationLayout::Piece::Formula:
            paintFormula(p, piece.text, piece.rect);
            break;
        case EquationLayout::Piece::Plus:
            paintPlus(p, piece.rect);
            break;
        case EquationLayout::Piece::Arrow:
            paintArrow(p, piece.rect);
            break;
        }
    }
    p.restore();
}
