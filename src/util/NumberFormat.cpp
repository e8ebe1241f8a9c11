#include "NumberFormat.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace util {

QString numberText(double x) {
    if (x == 0 || !std::isfinite(x)) {
        // Non-finite values never reach the screens; they read as zero rather
        // than as "inf" or "nan".
        return QStringLiteral(" 0");
    }
    // %.14e rounds to 15 significant digits and settles the exponent after
    // rounding (9.999999999999999 becomes 1.00000000000000e+01).
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(x));
    const std::string s(buf);
    const auto ePos = s.find('e');
    std::string digits = s.substr(0, 1) + s.substr(2, ePos - 2);
    const int exponent = std::atoi(s.c_str() + ePos + 1);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string body;
    if (exponent < -4 || exponent >= 15) {
        body = digits.substr(0, 1);
        if (digits.size() > 1)
            body += "." + digits.substr(1);
        char ex[24];
        std::snprintf(ex, sizeof ex, "E%c%02d", exponent < 0 ? '-' : '+', std::abs(exponent));
        body += ex;
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
    const qsizetype start = i;
    if (i < n && (text[i] == u'+' || text[i] == u'-'))
        ++i;
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
    const QByteArray part = text.mid(start, end - start).toLatin1();
    const double value = std::strtod(part.constData(), nullptr);
    return std::isfinite(value) ? value : 0;
}

double roundToTenth(double v) {
    return std::floor(v * 10 + 0.5) / 10;
}

} // namespace util
