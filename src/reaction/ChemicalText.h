#pragma once

#include <QFont>
#include <QPointF>
#include <QString>

#include <vector>

class QPainter;

namespace reaction {

// A formula or an equation as the material writes it in plain ASCII digits
// ("NH3", "N2 + 3H2 → 2NH3"): a digit right after a letter, a closing
// parenthesis or a subscript digit is a subscript; other digits (the
// coefficients) are ordinary text.
struct TextRun {
    QString text;
    bool subscript = false;
};
std::vector<TextRun> chemicalRuns(const QString& text);

// Width of the text drawn by paintChemicalText with this font.
qreal chemicalTextWidth(const QString& text, const QFont& font);
// Draws the text from a baseline start, subscripts at two thirds of the size
// and lowered by a third of it.
void paintChemicalText(QPainter& p, QPointF baselineStart, const QString& text, const QFont& font);

} // namespace reaction
