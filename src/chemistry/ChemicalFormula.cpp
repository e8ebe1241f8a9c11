#include "ChemicalFormula.h"

#include "AtomicWeights.h"

namespace chemistry {

namespace {

// The largest count a formula may write; far above any molecule asked, low
// enough that no sum of counts can overflow.
constexpr int kMaxCount = 999;

class FormulaReader {
public:
    explicit FormulaReader(const QString& text) : text_(text) {}

    FormulaReading read() {
        FormulaReading result;
        result.atoms = group();
        if (error_.isEmpty() && pos_ < text_.size())
            fail(pos_, text_[pos_] == u')' ? QStringLiteral("「)」に対応する「(」がありません")
                                           : QStringLiteral("読めない文字があります"));
        if (error_.isEmpty() && result.atoms.empty())
            fail(0, QStringLiteral("式が空です"));
        result.ok = error_.isEmpty();
        result.errorAt = errorAt_;
        result.error = error_;
        if (!result.ok)
            result.atoms.clear();
        return result;
    }

private:
    // group := part+        part := element count? | "(" group ")" count?
    // "C3H8" is C3 H8; "(CH3)2O" is (CH3)2 O; "Cl2" is Cl2.
    std::map<QString, int> group() {
        std::map<QString, int> atoms;
        while (error_.isEmpty() && pos_ < text_.size() && text_[pos_] != u')') {
            std::map<QString, int> part;
            if (text_[pos_] == u'(') {
                const qsizetype open = pos_++;
                part = group();
                if (!error_.isEmpty())
                    break;
                if (pos_ >= text_.size()) {
                    fail(open, QStringLiteral("「(」が閉じていません"));
                    break;
                }
                ++pos_; // ')'
            } else {
                const QString symbol = element();
                if (symbol.isEmpty())
                    break;
                part[symbol] = 1;
            }
            const int n = count();
            for (const auto& [symbol, k] : part)
                add(atoms, symbol, k * n);
        }
        return atoms;
    }

    // element := capital small?        "H", "Cl"
    QString element() {
        if (!text_[pos_].isUpper() || text_[pos_].unicode() > 127) {
            fail(pos_, QStringLiteral("元素記号は大文字で始まります"));
            return {};
        }
        QString symbol(text_[pos_++]);
        if (pos_ < text_.size() && text_[pos_].isLower() && text_[pos_].unicode() <= 127)
            symbol += text_[pos_++];
        return symbol;
    }

    // count := digit+ (not 0, at most kMaxCount); none means 1.   "2", "10"
    int count() {
        const qsizetype start = pos_;
        int n = 0;
        while (pos_ < text_.size() && text_[pos_] >= u'0' && text_[pos_] <= u'9') {
            n = n * 10 + text_[pos_++].digitValue();
            if (n > kMaxCount) {
                fail(start, QStringLiteral("数が大きすぎます"));
                return 1;
            }
        }
        if (pos_ == start)
            return 1;
        if (n == 0)
            fail(start, QStringLiteral("数 0 は書けません"));
        return n;
    }

    void add(std::map<QString, int>& atoms, const QString& symbol, int n) {
        // Counts are clamped so that a nested group's product stays in range.
        int& total = atoms[symbol];
        total += n;
        if (total > kMaxCount * kMaxCount) {
            total = kMaxCount * kMaxCount;
            fail(pos_, QStringLiteral("原子の数が大きすぎます"));
        }
    }

    void fail(qsizetype at, const QString& why) {
        if (!error_.isEmpty())
            return;
        errorAt_ = at;
        error_ = why;
    }

    const QString& text_;
    qsizetype pos_ = 0;
    qsizetype errorAt_ = 0;
    QString error_;
};

} // namespace

FormulaReading readFormula(const QString& formula) {
    return FormulaReader(formula).read();
}

std::optional<double> molarMassOf(const QString& formula) {
    const FormulaReading reading = readFormula(formula);
    if (!reading.ok)
        return std::nullopt;
    double mass = 0;
    for (const auto& [symbol, n] : reading.atoms) {
        const double w = atomicWeight(symbol);
        if (w == 0)
            return std::nullopt;
        mass += w * n;
    }
    return mass;
}

QString withSubscripts(const QString& text) {
    QString out;
    bool afterFormula = false; // the last character ends an element, a group or a count
    for (QChar c : text) {
        const bool digit = c >= u'0' && c <= u'9';
        if (digit && afterFormula) {
            out += QChar(0x2080 + c.digitValue());
            continue;
        }
        out += c;
        afterFormula = (c.unicode() < 128 && c.isLetter()) || c == u')';
    }
    return out;
}

} // namespace chemistry
