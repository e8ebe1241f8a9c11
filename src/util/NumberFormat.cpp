#include "NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string>
#include <system_error>

// Both directions go through <charconv>: strtod and printf follow LC_NUMERIC,
// which the application object takes from the desktop, and a German desktop
// would then read "0.5" as 0.

namespace util {

QString numberText(double x) {
    if (x == 0 || !std::isfinite(x)) {
        // Non-finite values never reach the screens; they read as zero rather
        // than as "inf" or "nan".
        return QStringLiteral(" 0");
    }
    // Scientific with 14 decimals rounds to 15 significant digits and settles
    // the exponent after rounding (9.999999999999999 becomes 1.00000000000000e+01).
    char buf[40];
    const auto written =
        std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, 14);
    const std::string s(buf, written.ptr);
    const auto ePos = s.find('e');
    std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
    // The exponent is written with its sign, which from_chars does not take.
    int exponent = 0;
    std::from_chars(s.data() + ePos + 2, s.data() + s.size(), exponent);
    if (s[ePos + 1] == '-')
        exponent = -exponent;
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string body;
    if (exponent < -4 || exponent >= 15) {
        body = digits.substr(0, 1);
        if (digits.size() > 1)
            body += "." + digits.substr(1);
        const std::string exponentDigits = std::to_string(std::abs(exponent));
        body += exponent < 0 ? "E-" : "E+";
        if (exponentDigits.size() < 2)
            body += '0';
        body += exponentDigits;
    } else if (exponent >= 0) {
        const auto intLen = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= intLen) {
            body = digits + std::string(intLen - digits.size(), '0');
        } else {
            body = digits.substr(0, intLen) + "." + digits.substr(intLen);
        }
    } else {
        body = "." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    }
    return QString::fromLatin1((x < 0 ? "-" : " ") + body);
}

double numberValue(const QString& text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    const bool negative = i < n && text[i] == u'-';
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype start = i;
    bool anyDigit = false;
    bool point = false;
    while (i < n) {
        if (text[i].isDigit() && text[i].unicode() < 128) {
            anyDigit = true;
        } else if (text[i] == u'.' && !point) {
            point = true;
        } else {
            break;
        }
        ++i;
    }
    if (!anyDigit)
        return 0;
    qsizetype end = i;
    // The exponent counts only when digits follow it.
    if (i < n && (text[i] == u'E' || text[i] == u'e')) {
        qsizetype j = i + 1;
        if (j < n && (text[j] == u'+' || text[j] == u'-'))
            ++j;
        const qsizetype digitsStart = j;
        while (j < n && text[j].isDigit() && text[j].unicode() < 128)
            ++j;
        if (j > digitsStart)
            end = j;
    }
    // Only ASCII digits, a point and an exponent are left, which from_chars
    // reads whole. Out of range (1E+999, 1E-999) leaves the value at 0.
    const QByteArray part = text.mid(start, end - start).toLatin1();
    double value = 0;
    if (std::from_chars(part.constData(), part.constData() + part.size(), value).ec != std::errc())
        return 0;
    return negative ? -value : value;
}

double roundToTenth(double v) {
    return std::floor(v * 10 + 0.5) / 10;
}

} // namespace util
