// The generated material of the reaction screen, read back as the program
// reads it and checked with chemistry worked out here, apart from the
// generator.
#include "ReactionTestSupport.h"
#include "util/MaterialPath.h"

#include <QImageReader>
#include <QRegularExpression>

#include <gtest/gtest.h>
#include <map>
#include <numeric>

using reaction::maxSubstances;
using reaction::molarMassCount;
using reaction::reactionCount;
using util::materialPath;

namespace {

using namespace reactionTest;
using Atoms = std::map<QString, int>;

// Boiling points in °C at 1.013 × 10^5 Pa of the gases a reaction table may
// ask about; a substance missing here is not known to be a gas at 0 °C.
const std::map<QString, double> boilingPoints = {
    {"H2", -252.9},  {"O2", -183.0},   {"N2", -195.8},   {"Cl2", -34.0},  {"F2", -188.1},
    {"HCl", -85.1},  {"NH3", -33.3},   {"CO", -191.5},   {"CO2", -78.5},  {"CH4", -161.5},
    {"C2H6", -88.6}, {"C2H4", -103.7}, {"C2H2", -84.0},  {"C3H8", -42.1}, {"NO", -151.8},
    {"N2O", -88.5},  {"O3", -111.9},   {"CH3Cl", -24.2}, {"NF3", -129.1}, {"H2S", -60.3},
    {"SO2", -10.0},  {"C3H6", -47.6},  {"CF4", -127.8},  {"SF6", -64.0},
};

// The strip reads 原子量 H=1 C=12 N=14 O=16 F=19 S=32 Cl=35.5.
const std::map<QString, double> stripWeights = {{"H", 1},  {"C", 12}, {"N", 14},   {"O", 16},
                                                {"F", 19}, {"S", 32}, {"Cl", 35.5}};

// Atoms of a formula without parentheses: symbols each with an optional count.
Atoms atomsOf(const QString& formula) {
    static const QRegularExpression part(QStringLiteral("([A-Z][a-z]?)([0-9]*)"));
    Atoms atoms;
    qsizetype covered = 0;
    for (const auto& m : part.globalMatch(formula)) {
        atoms[m.captured(1)] += m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
        covered += m.capturedLength();
    }
    EXPECT_EQ(covered, formula.size()) << formula.toStdString();
    return atoms;
}

// An equation's two sides as (coefficient, formula) terms.
using Terms = std::vector<std::pair<int, QString>>;
std::pair<Terms, Terms> sidesOf(const QString& equation) {
    std::pair<Terms, Terms> sides;
    const QStringList halves = equation.split(QStringLiteral(" → "));
    EXPECT_EQ(halves.size(), 2) << equation.toStdString();
    static const QRegularExpression term(QStringLiteral("^([0-9]*)(.+)$"));
    for (int side = 0; side < 2 && side < halves.size(); ++side)
        for (const QString& t : halves[side].split(QStringLiteral(" + "))) {
            const auto m = term.match(t);
            const int c = m.captured(1).isEmpty() ? 1 : m.captured(1).toInt();
            (side == 0 ? sides.first : sides.second).push_back({c, m.captured(2)});
        }
    return sides;
}

Atoms total(const Terms& terms) {
    Atoms atoms;
    for (const auto& [c, formula] : terms)
        for (const auto& [symbol, n] : atomsOf(formula))
            atoms[symbol] += c * n;
    return atoms;
}

TEST(ReactionMaterialTest, EverySubstanceIsAGasOfTheStripsElementsWithItsMolarMass) {
    for (int s = 1; s <= molarMassCount; ++s) {
        const QString& formula = material().substance(s).formula;
        EXPECT_TRUE(boilingPoints.count(formula) && boilingPoints.at(formula) < 0)
            << formula.toStdString() << " is not known as a gas at 0 °C";
        double mass = 0;
        for (const auto& [symbol, n] : atomsOf(formula)) {
            ASSERT_TRUE(stripWeights.count(symbol)) << formula.toStdString();
            mass += stripWeights.at(symbol) * n;
        }
        EXPECT_FLOAT_EQ(material().molarMassOf(s), static_cast<float>(mass))
            << formula.toStdString();
    }
}

TEST(ReactionMaterialTest, EveryReactionIsBalancedInLowestTermsAndMatchesItsEquation) {
    for (int r = 1; r <= reactionCount; ++r) {
        const auto& entry = material().reaction(r);
        const QString& equation = material().equation(r);
        const auto [left, right] = sidesOf(equation);
        EXPECT_EQ(total(left), total(right)) << equation.toStdString();

        // The table's columns are the equation's substances in writing order.
        Terms written = left;
        written.insert(written.end(), right.begin(), right.end());
        ASSERT_EQ(entry.substanceCount, static_cast<int>(written.size())) << r;
        ASSERT_LE(entry.substanceCount, maxSubstances) << r;
        int divisor = 0;
        for (int k = 1; k <= entry.substanceCount; ++k) {
            const auto& [c, formula] = written[static_cast<std::size_t>(k - 1)];
            EXPECT_EQ(entry.coefficient[static_cast<std::size_t>(k)], c) << r;
            const int s = entry.substanceNo[static_cast<std::size_t>(k)];
            ASSERT_TRUE(s >= 1 && s <= molarMassCount) << r;
            EXPECT_EQ(material().substance(s).formula, formula) << r;
            divisor = std::gcd(divisor, c);
        }
        EXPECT_EQ(divisor, 1) << equation.toStdString();
    }
}

TEST(ReactionMaterialTest, PicturesHaveTheirSizes) {
    const auto sizeOf = [](const QString& path) {
        return QImageReader(materialPath(materialDir(), path)).size();
    };
    for (int r = 1; r <= reactionCount; ++r)
        EXPECT_EQ(sizeOf(QStringLiteral("\\反応量\\反応式\\s(%1).gif").arg(r)), QSize(479, 35))
            << r;
    for (int n = 1; n <= 4; ++n)
        EXPECT_EQ(sizeOf(QStringLiteral("\\反応量\\表\\h(%1).gif").arg(n)), QSize(542, 259)) << n;
    for (int s = 1; s <= molarMassCount; ++s)
        EXPECT_EQ(sizeOf(QStringLiteral("\\反応量\\物質\\b(%1).gif").arg(s)), QSize(113, 43)) << s;
    for (const char* f : {"w", "y", "b", "g", "r"})
        EXPECT_EQ(sizeOf(QStringLiteral("\\反応量\\枠\\%1.gif").arg(QLatin1String(f))),
                  QSize(111, 71))
            << f;
}

} // namespace
