#pragma once

#include "formula/FormulaData.h"
#include "support/ScriptedRandom.h"
#include "util/RecentMemory.h"

#include <QString>
#include <QStringList>

#include <deque>
#include <stdexcept>
#include <utility>
#include <vector>

// Helpers shared by the formula tests; none of them goes through the code
// under test to build what it expects.
namespace formulaTest {

using testSupport::ScriptedRandom;

// A formula written as on paper ("Al2(SO4)3", "(CH3COO)2Ca") as the glyph
// codes of the palette: a capital with an optional small letter is an
// element symbol, digits 2–4 are subscripts, parentheses are themselves.
inline QString codesOf(const QString& formula) {
    static const QStringList symbols =
        QStringLiteral("Al Ag Ba Br C Ca Cl Cu F Fe H I K Li Mg N Na O P S Zn").split(u' ');
    auto code = [](int n) { return QString::number(n).rightJustified(2, u'0'); };
    QString codes;
    for (qsizetype i = 0; i < formula.size(); ++i) {
        const QChar ch = formula[i];
        if (ch == u'(') {
            codes += code(22);
        } else if (ch == u')') {
            codes += code(23);
        } else if (ch >= u'2' && ch <= u'4') {
            codes += code(22 + ch.digitValue());
        } else {
            QString symbol(ch);
            if (i + 1 < formula.size() && formula[i + 1].isLower())
                symbol += formula[++i];
            const qsizetype n = symbols.indexOf(symbol);
            if (n < 0)
                throw std::invalid_argument("unknown symbol in test formula");
            codes += code(static_cast<int>(n) + 1);
        }
    }
    return codes;
}

// The generated material beside the test executables.
inline QString materialDir() {
    return QStringLiteral(CHEMDRILL_BUILD_DIR);
}

inline const formula::FormulaData& material() {
    static const formula::FormulaData data = formula::FormulaData::load(materialDir());
    return data;
}

// The askable pair number of cation c with anion a.
inline int pairNumber(const formula::FormulaData& data, int c, int a) {
    for (int n = 1; n <= data.pairCount(); ++n)
        if (data.pair(n).cation == c && data.pair(n).anion == a)
            return n;
    throw std::invalid_argument("pair not askable");
}

// The value in [0, 1) that draws pair n of `count`.
inline double valueFor(int n, int count) {
    return (n - 0.5) / count;
}

} // namespace formulaTest
