#include "Compound.h"

#include <algorithm>
#include <array>

namespace formula {

namespace {
// Ion numbers in the order of the ion table.
constexpr int hydrogenCation = 1;
constexpr int acetateAnion = 7;
// Nitrate, acetate, sulfate, phosphate and sulfite: with hydrogen, the acids.
constexpr std::array acidAnions = {6, 7, 9, 12, 15};

// An ion's part of the formula when it takes `count`.
QString ionPart(const Ion& ion, int count) {
    if (count == 1)
        return ion.code;
    const QString subscript = glyphCode(subscriptGlyph(count));
    if (!ion.polyatomic())
        return ion.code + subscript;
    return glyphCode(leftParenthesisGlyph) + ion.code + glyphCode(rightParenthesisGlyph) +
           subscript;
}
} // namespace

QString compoundName(const FormulaData& data, IonPair pair) {
    const QString& anionName = data.anion(pair.anion).name;
    const bool acid =
        pair.cation == hydrogenCation &&
        std::find(acidAnions.begin(), acidAnions.end(), pair.anion) != acidAnions.end();
    return acid ? anionName : anionName + data.cation(pair.cation).name;
}

QString buildCorrectCode(const FormulaData& data, IonPair pair) {
    const Ion& cation = data.cation(pair.cation);
    const Ion& anion = data.anion(pair.anion);
    const bool equal = cation.charge == anion.charge;
    const QString cationPart = ionPart(cation, equal ? 1 : anion.charge);
    const QString anionPart = ionPart(anion, equal ? 1 : cation.charge);
    return pair.anion == acetateAnion ? anionPart + cationPart : cationPart + anionPart;
}

} // namespace formula
