#include "AnswerTransfer.h"

#include "util/NumberFormat.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace calculator {

namespace {

// Beyond this shift every text is far longer than any box, and a smaller
// value is zero at one decimal; the bound keeps the padding small.
constexpr int kMaxShift = 400;

// An entry written out as plain decimal digits: sign, digits before the
// point, digits after it.
struct PlainDecimal {
    bool negative = false;
    QString whole;
    QString fraction;
    bool hasPoint = false; // a point stands in the plain form ("5." has one)
    bool fromExponent = false;
};

bool isAsciiDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

// entry := [sign] digits [ "." digits ] [ ("E" | "e") [sign] digits ]
// Examples: "12.35", "-0.5", "5.", "1.2346E-05", "6.02E+23". The exponent is
// applied by moving the point in the digit string, so no double rounds the
// digits on the way ("1.2346E-05" → 0.000012346). Anything else gives false.
bool readPlainDecimal(const QString& entry, PlainDecimal& out) {
    qsizetype i = 0;
    const qsizetype n = entry.size();
    if (i < n && (entry[i] == u'-' || entry[i] == u'+')) {
        out.negative = entry[i] == u'-';
        ++i;
    }
    while (i < n && isAsciiDigit(entry[i]))
        out.whole += entry[i++];
    if (i < n && entry[i] == u'.') {
        out.hasPoint = true;
        ++i;
        while (i < n && isAsciiDigit(entry[i]))
            out.fraction += entry[i++];
    }
    if (out.whole.isEmpty() && out.fraction.isEmpty())
        return false;
    if (i == n)
        return true;
    if (entry[i] != u'E' && entry[i] != u'e')
        return false;
    ++i;
    bool negativeExponent = false;
    if (i < n && (entry[i] == u'-' || entry[i] == u'+')) {
        negativeExponent = entry[i] == u'-';
        ++i;
    }
    if (i == n)
        return false;
    int exponent = 0;
    for (; i < n; ++i) {
        if (!isAsciiDigit(entry[i]))
            return false;
        exponent = std::min(kMaxShift, exponent * 10 + entry[i].digitValue());
    }
    if (negativeExponent)
        exponent = -exponent;

    const QString digits = out.whole + out.fraction;
    const qsizetype pointAt = out.whole.size() + exponent;
    if (pointAt <= 0) {
        out.whole = QStringLiteral("0");
        out.fraction = QString(-pointAt, u'0') + digits;
    } else if (pointAt >= digits.size()) {
        out.whole = digits + QString(pointAt - digits.size(), u'0');
        out.fraction.clear();
    } else {
        out.whole = digits.left(pointAt);
        out.fraction = digits.mid(pointAt);
    }
    out.hasPoint = !out.fraction.isEmpty();
    out.fromExponent = true;
    return true;
}

// Rounds to one decimal, halves up; 0.51 rather than 0.5 so that a value
// such as 0.45, held a hair below in binary, still rounds up.
QString oneDecimal(double value) {
    // From 10^16 on every double is a whole number, written with its
    // shortest digits; near the top of the range the step below would
    // overflow into "inf".
    if (std::fabs(value) >= 1e16)
        return QString::number(value, 'f', QLocale::FloatingPointShortest) + QStringLiteral(".0");
    double x = std::floor(value * 10 + 0.51) / 10;
    if (x == 0)
        x = 0; // no "-0.0"
    return QString::number(x, 'f', 1);
}

} // namespace

TransferResult transferAnswer(const QString& entry, bool wholeNumberBox, int maxLength) {
    QString text;
    PlainDecimal plain;
    if (entry.isEmpty()) {
        // After an operator key, CE or AC nothing is typed: a zero answer.
        text = wholeNumberBox ? QStringLiteral("0") : QStringLiteral("0.0");
    } else if (!readPlainDecimal(entry, plain)) {
        text = oneDecimal(util::numberValue(entry));
    } else if (plain.hasPoint) {
        // At most two decimals count; later ones are dropped, not rounded.
        const QString kept = (plain.negative ? QStringLiteral("-") : QString()) +
                             (plain.whole.isEmpty() ? QStringLiteral("0") : plain.whole) + u'.' +
                             plain.fraction.left(2);
        text = oneDecimal(util::numberValue(kept));
    } else {
        // Leading zeros go ("007" is 7) and zero takes no sign.
        QString digits = plain.whole;
        while (digits.size() > 1 && digits.startsWith(u'0'))
            digits.remove(0, 1);
        const bool negative = plain.negative && digits != u"0";
        const QString whole = (negative ? QStringLiteral("-") : QString()) + digits;
        if (wholeNumberBox)
            text = plain.fromExponent ? whole : entry;
        else
            text = whole + QStringLiteral(".0");
    }
    return {text, text.size() > maxLength};
}

} // namespace calculator
