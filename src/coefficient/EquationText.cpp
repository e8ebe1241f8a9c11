#include "EquationText.h"

#include "CoefficientData.h"
#include "util/HalfWidth.h"

namespace coefficient {

QString spokenFormula(const QString& formula) {
    QString text = util::toHalfWidth(formula);
    for (QChar& c : text)
        if (c >= u'0' && c <= u'9')
            c = QChar(0x2080 + (c.unicode() - u'0')); // ₀ … ₉
    return text;
}

namespace {
QString spokenSide(const QStringList& formulas) {
    QStringList terms;
    for (const QString& f : formulas)
        terms << QStringLiteral("□") + spokenFormula(f);
    return terms.join(QStringLiteral(" + "));
}
} // namespace

QString spokenEquation(const Problem& problem) {
    return spokenSide(problem.left.formulas) + QStringLiteral(" → ") +
           spokenSide(problem.right.formulas);
}

} // namespace coefficient
