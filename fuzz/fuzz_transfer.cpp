// The transfer of an entry into an answer box, over any entry text: the first
// byte picks the box (bit 0: the exponent box; the rest: the characters it
// admits), the other bytes are the entry, one character each. A decimal box
// always receives one decimal; the exponent box a whole number or one
// decimal; and the length verdict matches the text.

#include "FuzzSupport.h"
#include "calculator/AnswerTransfer.h"

#include <QRegularExpression>

using fuzzsupport::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QRegularExpression oneDecimal(QStringLiteral("^-?(0|[1-9][0-9]*)\\.[0-9]$"));
    static const QRegularExpression wholeOrOneDecimal(
        QStringLiteral("^[-+]?[0-9]+$|^-?(0|[1-9][0-9]*)\\.[0-9]$"));
    if (size == 0)
        return 0;
    const bool powerBox = (data[0] & 1) != 0;
    const int maxLength = data[0] >> 1;
    const QString entry = QString::fromLatin1(reinterpret_cast<const char*>(data + 1),
                                              static_cast<qsizetype>(size - 1));

    const auto result = calculator::transferAnswer(entry, powerBox, maxLength);
    const QString detail = u'"' + entry + QStringLiteral("\" → \"") + result.text + u'"';
    check(result.tooLong == (result.text.size() > maxLength), "the length verdict is wrong",
          detail);
    check((powerBox ? wholeOrOneDecimal : oneDecimal).match(result.text).hasMatch(),
          "the box would receive something else than its number form", detail);
    check(result.text != u"-0.0", "a negative zero", detail);
    return 0;
}
