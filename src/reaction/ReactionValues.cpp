#include "ReactionValues.h"

#include "util/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace reaction {

using util::numberText;
using util::numberValue;
using util::roundToTenth;

QString formatTenth(double v) {
    const double y = roundToTenth(numberValue(numberText(v)));
    if (y < 0)
        return QStringLiteral("-") + formatTenth(-y); // never from the table; kept sound
    QString t = numberText(y).mid(1);
    if (t.startsWith(u'.'))
        t.prepend(u'0');
    const qsizetype point = t.indexOf(u'.');
    if (point < 0)
        return t + QStringLiteral(".0");
    return t.left(point + 2);
}

UnitAmounts unitAmounts(int r) {
    double m = r * 0.2 * 6;
    int e = 23;
    if (m >= 10) {
        m = m / 10;
        e = 24;
    }
    m = roundToTenth(m);
    const double scale = std::pow(10.0, e - 23);
    const double rounded = roundToTenth((m / 6) * scale);
    const double exact = (m * scale) / 6;
    return {rounded, exact};
}

int amountDraw(double x) {
    return std::clamp(static_cast<int>(std::floor(x * 10)) + 1, 1, 9);
}

} // namespace reaction
