// The generated material of the formula screen, read back as the program
// reads it.
#include "FormulaTestSupport.h"
#include "formula/Compound.h"
#include "util/MaterialPath.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>
#include <map>
#include <numeric>

using formula::buildCorrectCode;
using formula::compoundName;
using formula::FormulaData;
using formula::Ion;
using formula::IonPair;
using util::materialPath;

namespace {

using namespace formulaTest;

struct IonExpected {
    const char* formula;
    int charge;
};

// In the order of the ion table.
const IonExpected cations[] = {{"H", 1},   {"Li", 1}, {"Na", 1}, {"K", 1},  {"Ag", 1},
                               {"NH4", 1}, {"Mg", 2}, {"Ca", 2}, {"Ba", 2}, {"Al", 3},
                               {"Cu", 1},  {"Cu", 2}, {"Fe", 2}, {"Fe", 3}, {"Zn", 2}};
const IonExpected anions[] = {{"OH", 1},  {"Cl", 1},     {"Br", 1},   {"I", 1},    {"F", 1},
                              {"NO3", 1}, {"CH3COO", 1}, {"S", 2},    {"SO4", 2},  {"O", 2},
                              {"CO3", 2}, {"PO4", 3},    {"HCO3", 1}, {"HSO4", 1}, {"SO3", 2}};

TEST(FormulaMaterialTest, IonsSpellTheirFormulasWithTheirCharges) {
    for (int i = 1; i <= FormulaData::ionCount; ++i) {
        const IonExpected& c = cations[i - 1];
        EXPECT_EQ(material().cation(i).code, codesOf(QString::fromUtf8(c.formula)))
            << "cation " << i;
        EXPECT_EQ(material().cation(i).charge, c.charge) << "cation " << i;
        const IonExpected& a = anions[i - 1];
        EXPECT_EQ(material().anion(i).code, codesOf(QString::fromUtf8(a.formula))) << "anion " << i;
        EXPECT_EQ(material().anion(i).charge, a.charge) << "anion " << i;
    }
}

using Atoms = std::map<int, int>; // element glyph → number of atoms

// The atoms a formula of glyph codes stands for: a subscript multiplies the
// element or parenthesised group before it.
Atoms atomsOf(const QString& code) {
    std::vector<Atoms> groups(1);
    Atoms last;
    auto flush = [&] {
        for (auto [element, count] : last)
            groups.back()[element] += count;
        last.clear();
    };
    for (qsizetype i = 0; i < code.size(); i += 2) {
        const int n = code.mid(i, 2).toInt();
        if (n == 22) {
            flush();
            groups.emplace_back();
        } else if (n == 23) {
            flush();
            last = groups.back();
            groups.pop_back();
        } else if (n >= 24) {
            for (auto& [element, count] : last)
                count *= n - 22;
        } else {
            flush();
            last = {{n, 1}};
        }
    }
    flush();
    return groups.front();
}

Atoms combined(const Atoms& a, int k, const Atoms& b, int m) {
    Atoms sum;
    for (auto [element, count] : a)
        sum[element] += k * count;
    for (auto [element, count] : b)
        sum[element] += m * count;
    return sum;
}

TEST(FormulaMaterialTest, EveryCorrectFormulaIsNeutralAndInLowestTerms) {
    const FormulaData& data = material();
    for (int n = 1; n <= data.pairCount(); ++n) {
        const IonPair pair = data.pair(n);
        const Ion& cation = data.cation(pair.cation);
        const Ion& anion = data.anion(pair.anion);
        const Atoms atoms = atomsOf(buildCorrectCode(data, pair));
        int found = 0;
        for (int k = 1; k <= 3; ++k) {
            for (int m = 1; m <= 3; ++m) {
                if (combined(atomsOf(cation.code), k, atomsOf(anion.code), m) != atoms)
                    continue;
                ++found;
                EXPECT_EQ(k * cation.charge, m * anion.charge)
                    << compoundName(data, pair).toStdString();
                EXPECT_EQ(std::gcd(k, m), 1) << compoundName(data, pair).toStdString();
            }
        }
        EXPECT_EQ(found, 1) << compoundName(data, pair).toStdString()
                            << " is not k cations and m anions";
    }
}

TEST(FormulaMaterialTest, EnoughPairsAndEveryFormulaFitsItsRow) {
    const FormulaData& data = material();
    EXPECT_GE(data.pairCount(), 102);
    for (int n = 1; n <= data.pairCount(); ++n) {
        const QString code = buildCorrectCode(data, data.pair(n));
        int cells = 0;
        for (qsizetype i = 0; i < code.size(); i += 2)
            cells += data.elementWidth(code.mid(i, 2).toInt());
        EXPECT_LE(cells, 11) << compoundName(data, data.pair(n)).toStdString();
    }
}

TEST(FormulaMaterialTest, EveryPictureExistsWithItsSize) {
    for (int n = 1; n <= 26; ++n) {
        const int width = material().elementWidth(n);
        const QImage glyphPicture(
            materialPath(materialDir(), QStringLiteral("\\化学式\\元素\\gen(%1).gif").arg(n)));
        ASSERT_FALSE(glyphPicture.isNull()) << "gen(" << n << ").gif";
        EXPECT_EQ(glyphPicture.size(), QSize(14 * (width - 1) + 15, 56)) << "gen(" << n << ").gif";
        // Transparent around the glyph, so a marked row's colour shows through.
        EXPECT_EQ(qAlpha(glyphPicture.pixel(0, 0)), 0) << "gen(" << n << ").gif";

        const QImage highlight(
            materialPath(materialDir(), QStringLiteral("\\化学式\\画像\\g(%1).gif").arg(n)));
        ASSERT_FALSE(highlight.isNull()) << "g(" << n << ").gif";
        EXPECT_EQ(highlight.size(), QSize(46, 41)) << "g(" << n << ").gif";
    }
}

TEST(FormulaMaterialTest, DataFilesEndTheirLinesWithCrLf) {
    for (const char* name : {"元素", "陽イオン", "陰イオン", "除外"}) {
        QFile f(
            materialPath(materialDir(),
                         QStringLiteral("\\化学式\\データ\\%1.dat").arg(QString::fromUtf8(name))));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << name;
        const QByteArray bytes = f.readAll();
        EXPECT_GT(bytes.count("\r\n"), 0) << name;
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << name;
    }
}

} // namespace
