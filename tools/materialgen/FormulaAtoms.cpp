#include "FormulaAtoms.h"

namespace {

// A recursive-descent reader over one formula; the first fault stops it.
class Reader {
public:
    explicit Reader(const QString& text) : text_(text) {}

    FormulaAtoms read() {
        FormulaAtoms result;
        result.atoms = formula();
        if (error_.isEmpty() && pos_ < text_.size())
            fail(QStringLiteral("unexpected \"%1\"").arg(text_[pos_]));
        if (error_.isEmpty() && result.atoms.empty())
            fail(QStringLiteral("empty formula"));
        result.error = error_;
        result.position = pos_;
        return result;
    }

private:
    // formula := part+          "CH3Cl", "(CH3)2O"
    // Stops at ")" or the end, which the caller checks.
    std::map<QString, int> formula() {
        std::map<QString, int> atoms;
        while (error_.isEmpty() && pos_ < text_.size() && text_[pos_] != u')')
            for (const auto& [symbol, n] : part())
                atoms[symbol] += n;
        return atoms;
    }

    // part := (element | "(" formula ")") count?     "Cl", "H3", "(CH3)2"
    std::map<QString, int> part() {
        std::map<QString, int> atoms;
        if (text_[pos_] == u'(') {
            ++pos_;
            atoms = formula();
            if (!error_.isEmpty())
                return {};
            if (pos_ >= text_.size())
                return fail(QStringLiteral("\"(\" is not closed"));
            ++pos_; // ")"
            if (atoms.empty())
                return fail(QStringLiteral("empty parentheses"));
        } else {
            const QString symbol = element();
            if (symbol.isEmpty())
                return {};
            atoms[symbol] = 1;
        }
        const int n = count();
        for (auto& entry : atoms)
            entry.second *= n;
        return atoms;
    }

    // element := capital small?     "C", "Cl"
    QString element() {
        const QChar c = text_[pos_];
        if (c < u'A' || c > u'Z') {
            fail(QStringLiteral("element symbol expected at \"%1\"").arg(c));
            return {};
        }
        qsizetype end = pos_ + 1;
        if (end < text_.size() && text_[end] >= u'a' && text_[end] <= u'z')
            ++end;
        const QString symbol = text_.mid(pos_, end - pos_);
        pos_ = end;
        return symbol;
    }

    // count := digit+ without a leading 0; none means 1.     "3", "12"
    int count() {
        const qsizetype start = pos_;
        while (pos_ < text_.size() && text_[pos_] >= u'0' && text_[pos_] <= u'9')
            ++pos_;
        if (pos_ == start)
            return 1;
        if (text_[start] == u'0') {
            pos_ = start;
            fail(QStringLiteral("a count begins with 0"));
            return 1;
        }
        return text_.mid(start, pos_ - start).toInt();
    }

    std::map<QString, int> fail(const QString& what) {
        if (error_.isEmpty())
            error_ = what;
        return {};
    }

    const QString& text_;
    qsizetype pos_ = 0;
    QString error_;
};

} // namespace

FormulaAtoms parseFormula(const QString& formula) {
    return Reader(formula).read();
}
