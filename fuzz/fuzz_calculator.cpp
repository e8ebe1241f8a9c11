// The calculator over any sequence of key presses: each byte is a key of the
// pad (0 … 19), the host screen's reset (20), or a key index outside the pad.
// After every press the display shows "E" or a number of at most ten
// characters, and the entry is what a transfer into an answer box can take.

#include "FuzzSupport.h"
#include "calculator/AnswerTransfer.h"
#include "calculator/Calculator.h"
#include "util/NumberFormat.h"

#include <QRegularExpression>

#include <cmath>

using calculator::Calculator;

namespace {
constexpr int displayWidth = 10;

QString keyTrail(const std::uint8_t* data, std::size_t upTo) {
    QStringList keys;
    for (std::size_t i = 0; i <= upTo; ++i)
        keys << QString::number(data[i] % 24);
    return keys.join(u' ');
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // A number as typed or computed: digits with at most one point, or a
    // point before any digit is typed after the tidying ("0.").
    static const QRegularExpression shownNumber(QStringLiteral("^-?[0-9]+(\\.[0-9]*)?$"));
    static const QRegularExpression entryNumber(
        QStringLiteral("^(-?[0-9]+(\\.[0-9]*)?(E[-+][0-9]+)?)?$"));
    Calculator calc;
    for (std::size_t i = 0; i < size; ++i) {
        const int key = data[i] % 24;
        if (key == 20)
            calc.resetCalculator();
        else
            calc.pressKey(key == 21 ? -1 : key);

        // The keys so far are written out only when a rule breaks.
        const auto require = [&](bool holds, const char* rule) {
            if (!holds)
                fuzzsupport::finding(rule, calc.displayText() + u' ' + calc.entryText() +
                                               QStringLiteral(" after ") + keyTrail(data, i));
        };
        const QString& shown = calc.displayText();
        require(shown == u"E" ||
                    (shown.size() <= displayWidth && shownNumber.match(shown).hasMatch()),
                "the display shows something that is not a number");
        const QString& entry = calc.entryText();
        require(entryNumber.match(entry).hasMatch(), "the entry is not a number");
        // An exponent form only ever comes from a computed result: keys never
        // extend it.
        require(!entry.contains(u'E') ||
                    entry == util::numberText(util::numberValue(entry)).trimmed(),
                "an exponent entry was extended");
        require(std::isfinite(calc.result()), "the result is not finite");
        // The screens transfer the entry into a box of four or two characters.
        for (const bool powerBox : {false, true}) {
            const int room = powerBox ? 2 : 5;
            const auto t = calculator::transferAnswer(entry, powerBox, room);
            require(!t.text.isEmpty() && t.tooLong == (t.text.size() > room),
                    "a transfer of the entry went wrong");
        }
    }
    return 0;
}
