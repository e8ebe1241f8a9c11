// The screen's formula parser against a table of formulas.
#include "coefficient/FormulaParser.h"

#include <gtest/gtest.h>
#include <vector>

using coefficient::ElementCount;
using coefficient::parseFormula;

namespace {

struct ParseCase {
    const char* name;
    const char16_t* formula;
    std::vector<std::pair<const char16_t*, int>> expected; // empty: refused
};

std::vector<ElementCount> elementsOf(const std::vector<std::pair<const char16_t*, int>>& list) {
    std::vector<ElementCount> elements;
    for (const auto& [symbol, atoms] : list)
        elements.push_back({QString::fromUtf16(symbol), atoms});
    return elements;
}

const ParseCase readCases[] = {
    {"Water", u"H2O", {{u"H", 2}, {u"O", 1}}},
    {"CapitalStartsANewSymbol", u"CO2", {{u"C", 1}, {u"O", 2}}},
    {"TwoLetterSymbols", u"NaCl", {{u"Na", 1}, {u"Cl", 1}}},
    {"SubscriptsOnBoth", u"Fe3O4", {{u"Fe", 3}, {u"O", 4}}},
    {"GroupRepeated", u"Ca（OH）2", {{u"Ca", 1}, {u"O", 2}, {u"H", 2}}},
    {"GroupAfterSubscript", u"Al2（SO4）3", {{u"Al", 2}, {u"S", 3}, {u"O", 12}}},
    {"GroupFirstThenSuffix", u"（NH4）2SO4", {{u"N", 2}, {u"H", 8}, {u"S", 1}, {u"O", 4}}},
    {"SymbolMetAgainAddsUp", u"CH3COOH", {{u"C", 2}, {u"H", 4}, {u"O", 2}}},
    {"FullWidthSubscriptCountsLikeNarrow", u"H２O", {{u"H", 2}, {u"O", 1}}},
    {"FullWidthSymbolsStayFullWidth", u"Ｈ２Ｏ", {{u"Ｈ", 2}, {u"Ｏ", 1}}},
    {"FullWidthCapitalStartsANewSymbol", u"CＯ2", {{u"C", 1}, {u"Ｏ", 2}}},
    {"FullWidthMultiplierCountsByItsValue", u"Ca（OH）２", {{u"Ca", 1}, {u"O", 2}, {u"H", 2}}},
    {"MultiplierOne", u"Ca（OH）1", {{u"Ca", 1}, {u"O", 1}, {u"H", 1}}},
    {"DigitOneJoinsTheSymbol", u"C1", {{u"C1", 1}}},
    {"TwentyAtomsFit", u"C9H9O2", {{u"C", 9}, {u"H", 9}, {u"O", 2}}},
    {"TwentySymbolsFit", u"HHHHHHHHHHHHHHHHHHHH", {{u"H", 20}}},
};

class ParserReads : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParserReads, DistinctSymbolsInOrderWithTheirAtoms) {
    const auto parsed = parseFormula(QString::fromUtf16(GetParam().formula));
    ASSERT_TRUE(parsed.ok()) << parsed.error.toStdString();
    EXPECT_EQ(parsed.elements, elementsOf(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Formulas, ParserReads, ::testing::ValuesIn(readCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    const char16_t* formula;
};

const RefusedCase refusedCases[] = {
    {"Empty", u""},
    {"DigitBeforeAnySymbol", u"2H"},
    {"HalfWidthParentheses", u"Ca(OH)2"},
    {"GroupWithoutMultiplier", u"Ca（OH）"},
    {"GroupFollowedByLetter", u"（OH）Ca"},
    {"GroupTimesZero", u"Ca（OH）0"},
    {"GroupNotClosed", u"Ca（OH2"},
    {"CloseWithoutOpen", u"CaOH）2"},
    {"EmptyGroup", u"Ca（）2"},
    {"SecondGroup", u"（OH）2（OH）2"},
    {"NestedGroup", u"（A（OH）2）2"},
    {"TwentyOneAtoms", u"C9H9O3"},
    {"TwentyOneAtomsAfterExpansion", u"Ca（OH）9H3"},
    {"TwentyOneSymbols", u"HHHHHHHHHHHHHHHHHHHHH"},
    {"GroupBlowingUpTheCount", u"（CH9）9"},
};

class ParserRefuses : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(ParserRefuses, WithAReason) {
    const auto parsed = parseFormula(QString::fromUtf16(GetParam().formula));
    EXPECT_FALSE(parsed.ok());
    EXPECT_TRUE(parsed.elements.empty());
}

INSTANTIATE_TEST_SUITE_P(Formulas, ParserRefuses, ::testing::ValuesIn(refusedCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
