#include "FormulaParser.h"

#include "util/HalfWidth.h"

#include <algorithm>

namespace coefficient {

namespace {

const QChar openGroup(0xFF08);  // （
const QChar closeGroup(0xFF09); // ）

QChar narrow(QChar c) {
    const QString n = util::toHalfWidth(QString(c));
    return n.size() == 1 ? n[0] : c;
}

// A subscript's value 2–9, or 0 for any other character.
int subscriptValue(QChar c) {
    const QChar n = narrow(c);
    return n >= u'2' && n <= u'9' ? n.unicode() - u'0' : 0;
}

// A character that stands alone as a symbol's end: a subscript or a capital.
bool startsSomethingElse(QChar c) {
    const QChar n = narrow(c);
    return subscriptValue(c) != 0 || (n >= u'A' && n <= u'Z');
}

ParsedFormula refused(const QString& why) {
    ParsedFormula result;
    result.error = why;
    return result;
}

// Step 1: the working text with the one group written out m times.
//   Ca（OH）2 → CaOHOH
// Returns false with `error` set when the group is malformed.
bool expandGroup(const QString& formula, QString& expanded, QString& error) {
    const qsizetype a = formula.indexOf(openGroup);
    const qsizetype b = formula.indexOf(closeGroup);
    if (a < 0 && b < 0) {
        expanded = formula;
        return true;
    }
    if (a < 0 || b < a) {
        error = QStringLiteral("「）」の前に「（」がありません");
        return false;
    }
    if (b < 0) {
        error = QStringLiteral("「（」を閉じる「）」がありません");
        return false;
    }
    if (b == a + 1) {
        error = QStringLiteral("括弧の中が空です");
        return false;
    }
    const QChar m = b + 1 < formula.size() ? narrow(formula[b + 1]) : QChar();
    if (m < u'1' || m > u'9') {
        error = QStringLiteral("「）」の後に倍数の数字（1〜9）がありません");
        return false;
    }
    const QString suffix = formula.mid(b + 2);
    if (suffix.contains(openGroup) || suffix.contains(closeGroup) ||
        formula.mid(a + 1, b - a - 1).contains(openGroup)) {
        error = QStringLiteral("括弧でくくれるのは一か所だけです");
        return false;
    }
    const QString inner = formula.mid(a + 1, b - a - 1);
    expanded = formula.left(a) + inner.repeated(m.unicode() - u'0') + suffix;
    return true;
}

} // namespace

ParsedFormula parseFormula(const QString& formula) {
    if (formula.isEmpty())
        return refused(QStringLiteral("化学式が空です"));
    if (formula.contains(u'(') || formula.contains(u')'))
        return refused(QStringLiteral("括弧は全角の「（」「）」で書きます"));

    QString text;
    QString error;
    if (!expandGroup(formula, text, error))
        return refused(error);

    // Step 2: one entry per symbol written, one entry per atom.
    std::vector<QString> symbols;
    std::vector<QString> atoms;
    const qsizetype length = text.size();
    for (qsizetype i = 0; i < length; ++i) {
        const QChar c = text[i];
        if (const int v = subscriptValue(c)) {
            if (symbols.empty())
                return refused(QStringLiteral("数字「%1」の前に元素記号がありません").arg(c));
            if (atoms.size() + static_cast<std::size_t>(v - 1) >
                static_cast<std::size_t>(maxAtomsPerFormula))
                return refused(
                    QStringLiteral("原子の数が多すぎます（%1 個まで）").arg(maxAtomsPerFormula));
            atoms.insert(atoms.end(), static_cast<std::size_t>(v - 1), symbols.back());
            continue;
        }
        QString symbol(c);
        if (i + 1 < length && !startsSomethingElse(text[i + 1])) {
            symbol += text[i + 1];
            ++i;
        }
        if (symbols.size() >= static_cast<std::size_t>(maxSymbolsPerFormula))
            return refused(
                QStringLiteral("元素記号が多すぎます（%1 個まで）").arg(maxSymbolsPerFormula));
        if (atoms.size() >= static_cast<std::size_t>(maxAtomsPerFormula))
            return refused(
                QStringLiteral("原子の数が多すぎます（%1 個まで）").arg(maxAtomsPerFormula));
        symbols.push_back(symbol);
        atoms.push_back(symbol);
    }

    // Steps 3 and 4: distinct symbols in order of first appearance, each
    // with the number of atoms written for it.
    ParsedFormula result;
    for (const QString& s : symbols) {
        const bool met = std::any_of(result.elements.begin(), result.elements.end(),
                                     [&](const ElementCount& e) { return e.symbol == s; });
        if (!met)
            result.elements.push_back(
                {s, static_cast<int>(std::count(atoms.begin(), atoms.end(), s))});
    }
    return result;
}

} // namespace coefficient
