#include "NumberShape.h"

#include <QRegularExpression>

namespace monkey {

namespace {
constexpr int displayWidth = 10;
}

bool isNumberOrPrefix(const QString& text) {
    // sign? ( "." | mantissa ( E sign? digits* )? )?   mantissa := digits "."? digits* | "."
    // digits+
    static const QRegularExpression shape(
        QStringLiteral(R"(\A-?(\.|([0-9]+\.?[0-9]*|\.[0-9]+)([Ee][+-]?[0-9]*)?)?\z)"));
    return shape.match(text).hasMatch();
}

bool isCalculatorDisplay(const QString& text) {
    if (text == u"E")
        return true;
    return !text.isEmpty() && text.size() <= displayWidth && isNumberOrPrefix(text);
}

} // namespace monkey
