#include "MoleAnswers.h"

#include "util/NumberFormat.h"

#include <algorithm>
#include <cmath>

namespace mole {

using util::numberText;
using util::numberValue;
using util::roundToTenth;

namespace {

constexpr double kAvogadroMantissa = 6; // 6.0 × 10^23 per mole
constexpr double kLitresPerMole = 22.4; // a gas at 0 °C and 1.013 × 10^5 Pa

// A raw answer text brought to one decimal, with a zero before the point
// below 1; the power box keeps its whole number.
QString normalise(const QString& raw, int box) {
    const double v = roundToTenth(numberValue(raw));
    QString t = numberText(v).mid(1);
    if (v < 1)
        t.prepend(u'0');
    const qsizetype point = t.indexOf(u'.');
    if (point >= 0)
        return t.left(point + 2);
    return box == powerBox ? t : t + QStringLiteral(".0");
}

} // namespace

int MoleAnswers::maxLength(int box) const {
    const auto b = static_cast<std::size_t>(box);
    return static_cast<int>(std::max(rounded.at(b).size(), exact.at(b).size()));
}

MoleAnswers generateValues(float molarMass, int n) {
    const double mass = molarMass;
    n = std::clamp(n, 1, 99);
    const double amount = n * 0.1;

    // The number of molecules as m × 10^p, m rounded to one decimal.
    double m = amount * kAvogadroMantissa;
    QString power;
    if (m < 1) {
        m *= 10;
        power = QStringLiteral("22");
    } else if (m < 10) {
        power = QStringLiteral("23");
    } else {
        m /= 10;
        power = QStringLiteral("24");
    }
    m = roundToTenth(m);

    // The amount back from the rounded count; it can differ from the drawn
    // amount by 0.1 (n = 19 gives 1.8).
    const double w = std::pow(10.0, numberValue(power) - 23);
    const double molesExact = m * w / kAvogadroMantissa;
    const double molesRounded = roundToTenth((m / kAvogadroMantissa) * w);

    const std::array<QString, boxCount + 1> roundedRaw{
        QString(),
        numberText(molesRounded),
        numberText(m),
        power,
        numberText(molesRounded * kLitresPerMole),
        numberText(mass * molesRounded),
    };
    const std::array<QString, boxCount + 1> exactRaw{
        QString(),
        numberText(molesRounded),
        numberText(m),
        power,
        numberText(molesExact * kLitresPerMole),
        numberText(mass * molesExact),
    };

    MoleAnswers answers;
    answers.amountTenths = n;
    for (int b = 1; b <= boxCount; ++b) {
        const auto i = static_cast<std::size_t>(b);
        answers.rounded[i] = normalise(roundedRaw[i], b);
        answers.exact[i] = normalise(exactRaw[i], b);
    }
    return answers;
}

bool boxGiven(int kind, int box) {
    switch (kind) {
    case 1:
        return box == 1;
    case 2:
        return box == 2 || box == 3;
    case 3:
        return box == 4;
    case 4:
        return box == 5;
    default:
        return false;
    }
}

} // namespace mole
