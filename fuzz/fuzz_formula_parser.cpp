// The coefficient screen's formula parser over any text (the bytes as UTF-8,
// so full-width letters, digits and parentheses are reachable). A formula is
// either refused with a reason, or read within the limits with each distinct
// symbol once and at least one atom of it.

#include "FuzzSupport.h"
#include "coefficient/FormulaParser.h"

#include <QSet>

using fuzzsupport::check;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const coefficient::ParsedFormula parsed = coefficient::parseFormula(text);
    if (!parsed.ok()) {
        check(parsed.elements.empty(), "a refused formula with elements", text);
        return 0;
    }
    check(!parsed.elements.empty(), "a formula read without elements", text);
    check(parsed.elements.size() <= static_cast<std::size_t>(coefficient::maxSymbolsPerFormula),
          "more symbols than the limit", text);
    int atoms = 0;
    QSet<QString> seen;
    for (const auto& e : parsed.elements) {
        check(e.atoms >= 1, "a symbol without atoms", text);
        check(!e.symbol.isEmpty() && e.symbol.size() <= 2, "a symbol of the wrong length", text);
        check(!seen.contains(e.symbol), "a symbol listed twice", text);
        seen.insert(e.symbol);
        atoms += e.atoms;
    }
    check(atoms <= coefficient::maxAtomsPerFormula, "more atoms than the limit", text);
    // Without a group, every symbol stands in the text as written.
    if (!text.contains(QChar(0xFF08)))
        for (const auto& e : parsed.elements)
            check(text.contains(e.symbol), "a symbol the text does not hold", text);
    return 0;
}
