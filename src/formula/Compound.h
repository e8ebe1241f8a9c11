#pragma once

#include "FormulaData.h"

#include <QString>

namespace formula {

// The compound of a cation–anion pair as the formula screen asks it.

// Its Japanese name: the anion's part, then the cation's (塩化ナトリウム,
// 水酸化鉄（Ⅲ）); the acids of hydrogen with the nitrate, acetate, sulfate,
// phosphate and sulfite ions take the anion's part alone (硝酸, 硫酸 …).
QString compoundName(const FormulaData& data, IonPair pair);

// Its formula as glyph codes, by crossing the charges: each ion takes the
// other's charge as its count; a count of 1, or equal charges, writes no
// number; a polyatomic ion that takes a count goes in parentheses. The
// cation comes first, except that the acetate ion leads ((CH3COO)2Ca, CH3COOH).
// With charges of 1 to 3, equal charges are the only common factor, so the
// result is always in lowest terms.
QString buildCorrectCode(const FormulaData& data, IonPair pair);

} // namespace formula
