#include "ChemicalFormula.h"

namespace {

// A recursive-descent reader over one formula.
class Reader {
public:
    explicit Reader(const QString& text) : text_(text) {}

    // formula = unit { dot unit }          CuSO4·5H2O
    Composition formula() {
        Composition result;
        add(result.atoms, unit(false), 1);
        while (!failed() && pos_ < text_.size() && isDot(text_[pos_])) {
            ++pos_;
            add(result.atoms, unit(true), 1);
        }
        if (!failed() && pos_ < text_.size())
            fail(QStringLiteral("「%1」は化学式に使えない文字です").arg(text_[pos_]));
        if (!failed() && result.atoms.empty())
            fail(QStringLiteral("元素がありません"));
        result.error = error_;
        return result;
    }

private:
    using Atoms = std::map<QString, int>;

    // unit = [count] item { item }          5H2O; the count only after a dot
    Atoms unit(bool afterDot) {
        const int times = afterDot && atDigit() ? count() : 1;
        Atoms atoms;
        do
            add(atoms, item(), 1);
        while (!failed() && pos_ < text_.size() && (atCapital() || isOpen(text_[pos_])));
        Atoms scaled;
        add(scaled, atoms, times);
        return scaled;
    }

    // item = element [count] | "(" item { item } ")" [count]      Fe3, (SO4)3
    Atoms item() {
        Atoms atoms;
        if (pos_ < text_.size() && isOpen(text_[pos_])) {
            ++pos_;
            Atoms inner;
            while (!failed() && pos_ < text_.size() && !isClose(text_[pos_]))
                add(inner, item(), 1);
            if (failed())
                return {};
            if (pos_ >= text_.size()) {
                fail(QStringLiteral("括弧が閉じていません"));
                return {};
            }
            ++pos_;
            if (inner.empty())
                fail(QStringLiteral("括弧の中が空です"));
            add(atoms, inner, atDigit() ? count() : 1);
            return atoms;
        }
        if (!atCapital()) {
            fail(pos_ < text_.size()
                     ? QStringLiteral("「%1」の位置に元素記号がありません").arg(text_[pos_])
                     : QStringLiteral("元素記号で終わっていません"));
            return {};
        }
        QString symbol(text_[pos_++]);
        if (pos_ < text_.size() && text_[pos_] >= u'a' && text_[pos_] <= u'z')
            symbol += text_[pos_++];
        atoms[symbol] = atDigit() ? count() : 1;
        return atoms;
    }

    // count = digit { digit }, not starting with 0
    int count() {
        if (text_[pos_] == u'0')
            fail(QStringLiteral("数が 0 で始まっています"));
        int n = 0;
        while (atDigit() && n < 1000)
            n = n * 10 + (text_[pos_++].unicode() - u'0');
        return n;
    }

    static void add(Atoms& to, const Atoms& from, int times) {
        for (const auto& [element, n] : from)
            to[element] += n * times;
    }
    bool atDigit() const {
        return pos_ < text_.size() && text_[pos_] >= u'0' && text_[pos_] <= u'9';
    }
    bool atCapital() const {
        return pos_ < text_.size() && text_[pos_] >= u'A' && text_[pos_] <= u'Z';
    }
    static bool isOpen(QChar c) { return c == u'(' || c == QChar(0xFF08); }
    static bool isClose(QChar c) { return c == u')' || c == QChar(0xFF09); }
    static bool isDot(QChar c) { return c == u'·' || c == QChar(0x30FB) || c == u'*'; }
    void fail(const QString& why) {
        if (error_.isEmpty())
            error_ = why;
    }
    bool failed() const { return !error_.isEmpty(); }

    const QString& text_;
    qsizetype pos_ = 0;
    QString error_;
};

} // namespace

Composition chemicalComposition(const QString& formula) {
    return Reader(formula).formula();
}
