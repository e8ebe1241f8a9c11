#pragma once

#include "calculator/Calculator.h"
#include "reaction/ReactionData.h"
#include "support/ScriptedRandom.h"

#include <QString>

#include <initializer_list>
#include <utility>

// Helpers shared by the reaction tests; none of them goes through the code
// under test to build what it expects.
namespace reactionTest {

using testSupport::ScriptedRandom;

// The generated material beside the test executables.
inline QString materialDir() {
    return QStringLiteral(CHEMDRILL_BUILD_DIR);
}

inline const reaction::ReactionData& material() {
    static const reaction::ReactionData data = reaction::ReactionData::load(materialDir());
    return data;
}

// A reaction of (coefficient, substance) pairs.
inline reaction::ReactionEntry reactionOf(std::initializer_list<std::pair<int, int>> terms) {
    reaction::ReactionEntry e;
    for (const auto& [c, s] : terms) {
        ++e.substanceCount;
        e.coefficient[static_cast<std::size_t>(e.substanceCount)] = c;
        e.substanceNo[static_cast<std::size_t>(e.substanceCount)] = s;
    }
    return e;
}

// Small data whose numbers the cases below are worked out from:
// substances 1 CO2 (44), 2 H2O (18), 3 X (55), the rest 2.
// Reaction 1: CO2 alone; 2: 2 H2O, CO2; 3: X alone; 4..13: four columns.
inline reaction::ReactionData fixtureData() {
    reaction::ReactionData d;
    for (int s = 1; s <= reaction::molarMassCount; ++s) {
        d.molarMass[static_cast<std::size_t>(s)] = 2;
        d.substances[static_cast<std::size_t>(s)] = {QStringLiteral("物質%1").arg(s),
                                                     QStringLiteral("X%1").arg(s)};
    }
    d.molarMass[1] = 44;
    d.substances[1] = {QStringLiteral("二酸化炭素"), QStringLiteral("CO2")};
    d.molarMass[2] = 18;
    d.substances[2] = {QStringLiteral("水"), QStringLiteral("H2O")};
    d.molarMass[3] = 55;
    d.reactions[1] = reactionOf({{1, 1}});
    d.reactions[2] = reactionOf({{2, 2}, {1, 1}});
    d.reactions[3] = reactionOf({{1, 3}});
    for (int r = 4; r <= reaction::reactionCount; ++r)
        d.reactions[static_cast<std::size_t>(r)] = reactionOf({{1, 4}, {2, 5}, {3, 6}, {1, 7}});
    for (int r = 1; r <= reaction::reactionCount; ++r)
        d.equations[static_cast<std::size_t>(r)] = QStringLiteral("反応%1").arg(r);
    return d;
}

// The value in [0, 1) that draws question q of 39.
inline double questionValue(int q) {
    return (q - 0.5) / 39;
}
// The value that draws column k of n as the given one.
inline double columnValue(int k, int n) {
    return (k - 0.5) / n;
}
// The value that draws the amount r (1..9; 0.2 × r moles per coefficient,
// 1.8 and 11/6 for 9).
inline double amountValue(int r) {
    return (r - 0.5) / 10;
}

// Clicks calculator keys for a text typed on it: digits, "." and, for a
// leading "-", 0 − … = so the entry becomes the negative result.
inline void typeOn(calculator::Calculator& calc, const QString& text) {
    using K = calculator::Calculator;
    const bool negative = text.startsWith(u'-');
    if (negative)
        calc.pressKey(K::Minus); // 0 − …
    for (const QChar ch : negative ? text.mid(1) : text)
        calc.pressKey(ch == u'.' ? K::Point : ch.digitValue());
    if (negative)
        calc.pressKey(K::Equals);
}

} // namespace reactionTest
