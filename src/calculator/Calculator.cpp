#include "Calculator.h"

#include "util/NumberFormat.h"

#include <cmath>

namespace calculator {

using util::numberText;
using util::numberValue;

namespace {
constexpr int displayWidth = 10;
constexpr double roundingScale = 1e9; // results keep nine decimals
// What a division by zero or an unusable result leaves in the entry: too long
// for the display, so it shows "E", yet still a number later keys can use.
const QString errorEntry(displayWidth + 1, u'9');

// A computed value as the entry holds it: no leading blank, and a "0" before
// the point of a plain value below one ("0.25", "-0.25"). Exponent forms are
// left as written; a zero put in front of them would swallow the mantissa
// digit of a negative one ("-1E-05" would read as -0).
QString resultText(double r) {
    if (r == 0)
        return QStringLiteral("0");
    QString t = numberText(r);
    if (!t.startsWith(u'-'))
        t.remove(0, 1);
    if (r > 0 && r < 1 && t.startsWith(u'.'))
        t.prepend(u'0');
    else if (r < 0 && r > -1 && t.startsWith(QStringLiteral("-.")))
        t.insert(1, u'0');
    return t;
}
} // namespace

void Calculator::pressKey(int key) {
    if (key >= Digit0 && key <= Digit0 + 9) {
        digit(key - Digit0);
        return;
    }
    switch (key) {
    case Point:
        point();
        break;
    case ClearAll:
        clearAll();
        break;
    case ClearEntry:
        clearEntry();
        break;
    case Minus:
        operatorKey(Op::Subtract);
        break;
    case Divide:
        operatorKey(Op::Divide);
        break;
    case Times:
        operatorKey(Op::Multiply);
        break;
    case Plus:
        operatorKey(Op::Add);
        break;
    case Equals:
        operatorKey(Op::Equals);
        break;
    case Store:
        store();
        break;
    case Recall:
        recall();
        break;
    default:
        break;
    }
}

void Calculator::resetCalculator() {
    keyOperator_ = Op::None;
    pendingOperator_ = Op::None;
    operatorJustPressed_ = false;
    entryText_ = QStringLiteral("0");
    firstOperandText_ = QStringLiteral("0");
    display_ = QStringLiteral("0");
}

void Calculator::digit(int d) {
    operatorJustPressed_ = false;
    if (memoryJustStored_) {
        // A digit after M starts a new calculation; the pending one is dropped.
        entryText_.clear();
        firstOperandText_.clear();
        pendingOperator_ = Op::None;
        memoryJustStored_ = false;
    }
    if (keyOperator_ == Op::Equals) {
        // A digit after equals starts a new number instead of extending the result.
        firstOperandText_.clear();
        entryText_.clear();
        keyOperator_ = Op::None;
    }
    if (entryText_ == u"0" && d == 0)
        return;
    // A full display refuses more digits, and so does a result in exponent
    // form (after MR): a digit would land in its exponent ("1E-06" → "1E-065").
    if (entryText_.size() >= displayWidth || entryText_.contains(u'E'))
        return;
    entryText_ += QChar(u'0' + d);
    lastValueText_ = entryText_;
    refreshDisplay();
}

void Calculator::point() {
    // No length check: a point after ten digits makes the entry too long to
    // show, and the display says so with "E". An exponent form takes no
    // point: "1E-06." is no number.
    if (entryText_.contains(u'.') || entryText_.contains(u'E'))
        return;
    entryText_ += u'.';
    refreshDisplay();
}

void Calculator::operatorKey(Op op) {
    keyOperator_ = op;
    if (pendingOperator_ != Op::None) {
        if (operatorJustPressed_) {
            // Two operators in a row: the second replaces the first.
            pendingOperator_ = keyOperator_;
            return;
        }
        compute();
    }
    if (keyOperator_ == Op::Equals) {
        // The result stays in the entry: the next operator continues from it,
        // the next digit starts afresh.
        pendingOperator_ = Op::None;
        firstOperandText_ = entryText_;
        lastValueText_ = entryText_;
        return;
    }
    memoryJustStored_ = false;
    firstOperandText_ = entryText_;
    lastValueText_ = entryText_;
    // The display keeps showing the number until the next one is typed.
    entryText_.clear();
    pendingOperator_ = keyOperator_;
    operatorJustPressed_ = true;
}

void Calculator::compute() {
    firstOperand_ = numberValue(firstOperandText_);
    secondOperand_ = numberValue(entryText_);
    double r = 0;
    switch (pendingOperator_) {
    case Op::Add:
        r = firstOperand_ + secondOperand_;
        break;
    case Op::Subtract:
        r = firstOperand_ - secondOperand_;
        break;
    case Op::Multiply:
        r = firstOperand_ * secondOperand_;
        break;
    case Op::Divide:
        if (secondOperand_ == 0) {
            setError();
            return;
        }
        r = firstOperand_ / secondOperand_;
        break;
    case Op::Equals:
    case Op::None:
        // Equals pressed straight after another operator leaves equals
        // pending with nothing to combine. The number typed since then is the
        // learner's fresh start, so it is the result, never an earlier one.
        r = secondOperand_;
        break;
    }
    // Rounding to nine decimals scales by 10^9; a value too large for that
    // (or one that overflowed already) gets the division-by-zero entry rather
    // than an infinity no text can carry.
    const double scaled = r * roundingScale;
    if (!std::isfinite(scaled)) {
        setError();
        return;
    }
    result_ = std::floor(scaled + 0.5) / roundingScale;
    entryText_ = resultText(result_);
    // A long decimal is cut, not rounded, to fit the display. An exponent form
    // is never cut: its exponent would be lost and the value changed.
    const qsizetype pointAt = entryText_.indexOf(u'.');
    if (entryText_.size() > displayWidth && pointAt >= 0 && pointAt < displayWidth &&
        !entryText_.contains(u'E'))
        entryText_.truncate(displayWidth);
    refreshDisplay();
}

void Calculator::setError() {
    entryText_ = errorEntry;
    refreshDisplay();
}

void Calculator::store() {
    if (lastValueText_.isEmpty() || lastValueText_ == u"0") {
        clearAll();
        return;
    }
    memoryJustStored_ = true;
    memoryText_ = lastValueText_;
}

void Calculator::recall() {
    if (memoryText_.isEmpty())
        return;
    entryText_ = memoryText_;
    operatorJustPressed_ = false;
    refreshDisplay();
}

void Calculator::clearAll() {
    // memoryJustStored_ and result_ survive AC.
    memoryText_.clear();
    lastValueText_.clear();
    entryText_.clear();
    firstOperandText_.clear();
    pendingOperator_ = Op::None;
    keyOperator_ = Op::None;
    operatorJustPressed_ = false;
    display_ = QStringLiteral("0");
}

void Calculator::clearEntry() {
    entryText_.clear();
    display_ = QStringLiteral("0");
}

void Calculator::refreshDisplay() {
    // The entry itself is tidied: "05" becomes "5", ".5" becomes "0.5".
    if (!entryText_.contains(u'.') && entryText_.size() >= 2 && entryText_.startsWith(u'0'))
        entryText_.remove(0, 1);
    if (entryText_.startsWith(u'.'))
        entryText_.prepend(u'0');
    display_ = entryText_.size() > displayWidth || entryText_.contains(u'E') ? QStringLiteral("E")
                                                                             : entryText_;
}

} // namespace calculator
