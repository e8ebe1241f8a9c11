#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QPainter;

// An equation picture of the coefficient screen: the formulas on a dark
// ground, a gap before each one for its coefficient box, "+" between the
// terms and an arrow between the sides. An equation too wide for one line
// continues on a second line from the arrow. The same layout gives the
// picture and the box positions of 座標.dat, so a box always covers its gap.
struct EquationLayout {
    struct Piece {
        enum Kind { Formula, Plus, Arrow } kind;
        QString text; // a formula as written: "Ca(OH)2"
        QRect rect;   // where it is drawn
    };

    QSize size;
    std::vector<Piece> pieces;
    std::vector<QRect> boxes; // box j's rectangle, 48 × 38, in box order
};

// Widest picture that fits beside the equation's place on the screen.
constexpr int maxEquationWidth = 700;

// Lays out left → right; `error` says why it cannot be drawn (too wide).
EquationLayout layoutEquation(const QStringList& left, const QStringList& right, QString& error);
void paintEquation(QPainter& p, const EquationLayout& layout);
