// Every compound the formula screen asks, with the name and formula a
// Japanese chemistry class uses for it, written out by hand. The acids of
// hydrogen (硝酸, 硫酸 …) are named by the anion alone; the hydrogen halides
// and 硫化水素 take both parts.
#include "formula/Compound.h"

#include "FormulaTestSupport.h"

#include <gtest/gtest.h>
#include <set>
#include <utility>

using formula::buildCorrectCode;
using formula::compoundName;
using formula::IonPair;

namespace {

using namespace formulaTest;

struct Expected {
    int cation;
    int anion;
    const char* name;
    const char* formula;
};

// Ions by their number: cations 1 H, 2 Li, 3 Na, 4 K, 5 Ag, 6 NH4, 7 Mg, 8 Ca,
// 9 Ba, 10 Al, 11 Cu(I), 12 Cu(II), 13 Fe(II), 14 Fe(III), 15 Zn; anions 1 OH,
// 2 Cl, 3 Br, 4 I, 5 F, 6 NO3, 7 CH3COO, 8 S, 9 SO4, 10 O, 11 CO3, 12 PO4,
// 13 HCO3, 14 HSO4, 15 SO3. Pairs not listed must not be asked.
const Expected compounds[] = {
    {1, 2, "塩化水素", "HCl"},
    {1, 3, "臭化水素", "HBr"},
    {1, 4, "ヨウ化水素", "HI"},
    {1, 5, "フッ化水素", "HF"},
    {1, 6, "硝酸", "HNO3"},
    {1, 7, "酢酸", "CH3COOH"},
    {1, 8, "硫化水素", "H2S"},
    {1, 9, "硫酸", "H2SO4"},
    {1, 12, "リン酸", "H3PO4"},
    {1, 15, "亜硫酸", "H2SO3"},

    {2, 1, "水酸化リチウム", "LiOH"},
    {2, 2, "塩化リチウム", "LiCl"},
    {2, 3, "臭化リチウム", "LiBr"},
    {2, 4, "ヨウ化リチウム", "LiI"},
    {2, 5, "フッ化リチウム", "LiF"},
    {2, 6, "硝酸リチウム", "LiNO3"},
    {2, 7, "酢酸リチウム", "CH3COOLi"},
    {2, 8, "硫化リチウム", "Li2S"},
    {2, 9, "硫酸リチウム", "Li2SO4"},
    {2, 10, "酸化リチウム", "Li2O"},
    {2, 11, "炭酸リチウム", "Li2CO3"},
    {2, 12, "リン酸リチウム", "Li3PO4"},
    {2, 14, "硫酸水素リチウム", "LiHSO4"},
    {2, 15, "亜硫酸リチウム", "Li2SO3"},

    {3, 1, "水酸化ナトリウム", "NaOH"},
    {3, 2, "塩化ナトリウム", "NaCl"},
    {3, 3, "臭化ナトリウム", "NaBr"},
    {3, 4, "ヨウ化ナトリウム", "NaI"},
    {3, 5, "フッ化ナトリウム", "NaF"},
    {3, 6, "硝酸ナトリウム", "NaNO3"},
    {3, 7, "酢酸ナトリウム", "CH3COONa"},
    {3, 8, "硫化ナトリウム", "Na2S"},
    {3, 9, "硫酸ナトリウム", "Na2SO4"},
    {3, 10, "酸化ナトリウム", "Na2O"},
    {3, 11, "炭酸ナトリウム", "Na2CO3"},
    {3, 12, "リン酸ナトリウム", "Na3PO4"},
    {3, 13, "炭酸水素ナトリウム", "NaHCO3"},
    {3, 14, "硫酸水素ナトリウム", "NaHSO4"},
    {3, 15, "亜硫酸ナトリウム", "Na2SO3"},

    {4, 1, "水酸化カリウム", "KOH"},
    {4, 2, "塩化カリウム", "KCl"},
    {4, 3, "臭化カリウム", "KBr"},
    {4, 4, "ヨウ化カリウム", "KI"},
    {4, 5, "フッ化カリウム", "KF"},
    {4, 6, "硝酸カリウム", "KNO3"},
    {4, 7, "酢酸カリウム", "CH3COOK"},
    {4, 8, "硫化カリウム", "K2S"},
    {4, 9, "硫酸カリウム", "K2SO4"},
    {4, 10, "酸化カリウム", "K2O"},
    {4, 11, "炭酸カリウム", "K2CO3"},
    {4, 12, "リン酸カリウム", "K3PO4"},
    {4, 13, "炭酸水素カリウム", "KHCO3"},
    {4, 14, "硫酸水素カリウム", "KHSO4"},
    {4, 15, "亜硫酸カリウム", "K2SO3"},

    {5, 2, "塩化銀", "AgCl"},
    {5, 3, "臭化銀", "AgBr"},
    {5, 4, "ヨウ化銀", "AgI"},
    {5, 5, "フッ化銀", "AgF"},
    {5, 6, "硝酸銀", "AgNO3"},
    {5, 7, "酢酸銀", "CH3COOAg"},
    {5, 8, "硫化銀", "Ag2S"},
    {5, 9, "硫酸銀", "Ag2SO4"},
    {5, 10, "酸化銀", "Ag2O"},
    {5, 11, "炭酸銀", "Ag2CO3"},
    {5, 12, "リン酸銀", "Ag3PO4"},
    {5, 15, "亜硫酸銀", "Ag2SO3"},

    {6, 2, "塩化アンモニウム", "NH4Cl"},
    {6, 3, "臭化アンモニウム", "NH4Br"},
    {6, 4, "ヨウ化アンモニウム", "NH4I"},
    {6, 5, "フッ化アンモニウム", "NH4F"},
    {6, 6, "硝酸アンモニウム", "NH4NO3"},
    {6, 7, "酢酸アンモニウム", "CH3COONH4"},
    {6, 8, "硫化アンモニウム", "(NH4)2S"},
    {6, 9, "硫酸アンモニウム", "(NH4)2SO4"},
    {6, 11, "炭酸アンモニウム", "(NH4)2CO3"},
    {6, 12, "リン酸アンモニウム", "(NH4)3PO4"},
    {6, 13, "炭酸水素アンモニウム", "NH4HCO3"},
    {6, 14, "硫酸水素アンモニウム", "NH4HSO4"},
    {6, 15, "亜硫酸アンモニウム", "(NH4)2SO3"},

    {7, 1, "水酸化マグネシウム", "Mg(OH)2"},
    {7, 2, "塩化マグネシウム", "MgCl2"},
    {7, 3, "臭化マグネシウム", "MgBr2"},
    {7, 4, "ヨウ化マグネシウム", "MgI2"},
    {7, 5, "フッ化マグネシウム", "MgF2"},
    {7, 6, "硝酸マグネシウム", "Mg(NO3)2"},
    {7, 7, "酢酸マグネシウム", "(CH3COO)2Mg"},
    {7, 8, "硫化マグネシウム", "MgS"},
    {7, 9, "硫酸マグネシウム", "MgSO4"},
    {7, 10, "酸化マグネシウム", "MgO"},
    {7, 11, "炭酸マグネシウム", "MgCO3"},
    {7, 12, "リン酸マグネシウム", "Mg3(PO4)2"},
    {7, 13, "炭酸水素マグネシウム", "Mg(HCO3)2"},
    {7, 15, "亜硫酸マグネシウム", "MgSO3"},

    {8, 1, "水酸化カルシウム", "Ca(OH)2"},
    {8, 2, "塩化カルシウム", "CaCl2"},
    {8, 3, "臭化カルシウム", "CaBr2"},
    {8, 4, "ヨウ化カルシウム", "CaI2"},
    {8, 5, "フッ化カルシウム", "CaF2"},
    {8, 6, "硝酸カルシウム", "Ca(NO3)2"},
    {8, 7, "酢酸カルシウム", "(CH3COO)2Ca"},
    {8, 8, "硫化カルシウム", "CaS"},
    {8, 9, "硫酸カルシウム", "CaSO4"},
    {8, 10, "酸化カルシウム", "CaO"},
    {8, 11, "炭酸カルシウム", "CaCO3"},
    {8, 12, "リン酸カルシウム", "Ca3(PO4)2"},
    {8, 13, "炭酸水素カルシウム", "Ca(HCO3)2"},
    {8, 15, "亜硫酸カルシウム", "CaSO3"},

    {9, 1, "水酸化バリウム", "Ba(OH)2"},
    {9, 2, "塩化バリウム", "BaCl2"},
    {9, 3, "臭化バリウム", "BaBr2"},
    {9, 4, "ヨウ化バリウム", "BaI2"},
    {9, 5, "フッ化バリウム", "BaF2"},
    {9, 6, "硝酸バリウム", "Ba(NO3)2"},
    {9, 7, "酢酸バリウム", "(CH3COO)2Ba"},
    {9, 8, "硫化バリウム", "BaS"},
    {9, 9, "硫酸バリウム", "BaSO4"},
    {9, 10, "酸化バリウム", "BaO"},
    {9, 11, "炭酸バリウム", "BaCO3"},
    {9, 12, "リン酸バリウム", "Ba3(PO4)2"},
    {9, 15, "亜硫酸バリウム", "BaSO3"},

    {10, 1, "水酸化アルミニウム", "Al(OH)3"},
    {10, 2, "塩化アルミニウム", "AlCl3"},
    {10, 3, "臭化アルミニウム", "AlBr3"},
    {10, 4, "ヨウ化アルミニウム", "AlI3"},
    {10, 5, "フッ化アルミニウム", "AlF3"},
    {10, 6, "硝酸アルミニウム", "Al(NO3)3"},
    {10, 9, "硫酸アルミニウム", "Al2(SO4)3"},
    {10, 10, "酸化アルミニウム", "Al2O3"},
    {10, 12, "リン酸アルミニウム", "AlPO4"},

    {11, 2, "塩化銅（Ⅰ）", "CuCl"},
    {11, 3, "臭化銅（Ⅰ）", "CuBr"},
    {11, 4, "ヨウ化銅（Ⅰ）", "CuI"},
    {11, 8, "硫化銅（Ⅰ）", "Cu2S"},
    {11, 10, "酸化銅（Ⅰ）", "Cu2O"},

    {12, 1, "水酸化銅（Ⅱ）", "Cu(OH)2"},
    {12, 2, "塩化銅（Ⅱ）", "CuCl2"},
    {12, 3, "臭化銅（Ⅱ）", "CuBr2"},
    {12, 5, "フッ化銅（Ⅱ）", "CuF2"},
    {12, 6, "硝酸銅（Ⅱ）", "Cu(NO3)2"},
    {12, 7, "酢酸銅（Ⅱ）", "(CH3COO)2Cu"},
    {12, 8, "硫化銅（Ⅱ）", "CuS"},
    {12, 9, "硫酸銅（Ⅱ）", "CuSO4"},
    {12, 10, "酸化銅（Ⅱ）", "CuO"},
    {12, 12, "リン酸銅（Ⅱ）", "Cu3(PO4)2"},

    {13, 1, "水酸化鉄（Ⅱ）", "Fe(OH)2"},
    {13, 2, "塩化鉄（Ⅱ）", "FeCl2"},
    {13, 3, "臭化鉄（Ⅱ）", "FeBr2"},
    {13, 4, "ヨウ化鉄（Ⅱ）", "FeI2"},
    {13, 5, "フッ化鉄（Ⅱ）", "FeF2"},
    {13, 6, "硝酸鉄（Ⅱ）", "Fe(NO3)2"},
    {13, 7, "酢酸鉄（Ⅱ）", "(CH3COO)2Fe"},
    {13, 8, "硫化鉄（Ⅱ）", "FeS"},
    {13, 9, "硫酸鉄（Ⅱ）", "FeSO4"},
    {13, 10, "酸化鉄（Ⅱ）", "FeO"},
    {13, 11, "炭酸鉄（Ⅱ）", "FeCO3"},
    {13, 12, "リン酸鉄（Ⅱ）", "Fe3(PO4)2"},
    {13, 15, "亜硫酸鉄（Ⅱ）", "FeSO3"},

    {14, 1, "水酸化鉄（Ⅲ）", "Fe(OH)3"},
    {14, 2, "塩化鉄（Ⅲ）", "FeCl3"},
    {14, 3, "臭化鉄（Ⅲ）", "FeBr3"},
    {14, 5, "フッ化鉄（Ⅲ）", "FeF3"},
    {14, 6, "硝酸鉄（Ⅲ）", "Fe(NO3)3"},
    {14, 9, "硫酸鉄（Ⅲ）", "Fe2(SO4)3"},
    {14, 10, "酸化鉄（Ⅲ）", "Fe2O3"},
    {14, 12, "リン酸鉄（Ⅲ）", "FePO4"},

    {15, 1, "水酸化亜鉛", "Zn(OH)2"},
    {15, 2, "塩化亜鉛", "ZnCl2"},
    {15, 3, "臭化亜鉛", "ZnBr2"},
    {15, 4, "ヨウ化亜鉛", "ZnI2"},
    {15, 5, "フッ化亜鉛", "ZnF2"},
    {15, 6, "硝酸亜鉛", "Zn(NO3)2"},
    {15, 7, "酢酸亜鉛", "(CH3COO)2Zn"},
    {15, 8, "硫化亜鉛", "ZnS"},
    {15, 9, "硫酸亜鉛", "ZnSO4"},
    {15, 10, "酸化亜鉛", "ZnO"},
    {15, 11, "炭酸亜鉛", "ZnCO3"},
    {15, 12, "リン酸亜鉛", "Zn3(PO4)2"},
    {15, 15, "亜硫酸亜鉛", "ZnSO3"},
};

TEST(CompoundTest, ExactlyTheListedPairsAreAskable) {
    std::set<std::pair<int, int>> listed;
    for (const Expected& e : compounds)
        EXPECT_TRUE(listed.insert({e.cation, e.anion}).second) << e.name << " listed twice";
    std::set<std::pair<int, int>> askable;
    for (int n = 1; n <= material().pairCount(); ++n)
        askable.insert({material().pair(n).cation, material().pair(n).anion});
    EXPECT_EQ(askable, listed);
}

class CompoundTableTest : public ::testing::TestWithParam<Expected> {};

TEST_P(CompoundTableTest, NameAndFormulaAreTheTaughtOnes) {
    const Expected& e = GetParam();
    const IonPair pair{e.cation, e.anion};
    EXPECT_EQ(compoundName(material(), pair), QString::fromUtf8(e.name));
    EXPECT_EQ(buildCorrectCode(material(), pair), codesOf(QString::fromUtf8(e.formula)))
        << e.formula;
}

INSTANTIATE_TEST_SUITE_P(Askable, CompoundTableTest, ::testing::ValuesIn(compounds),
                         [](const ::testing::TestParamInfo<Expected>& info) {
                             return "c" + std::to_string(info.param.cation) + "_a" +
                                    std::to_string(info.param.anion);
                         });

} // namespace
