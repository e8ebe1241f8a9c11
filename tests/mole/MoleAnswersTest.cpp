// The accepted answers of a question, to the digit, and the length each box admits.
#include "mole/MoleAnswers.h"

#include <QStringList>

#include <gtest/gtest.h>
#include <ostream>
#include <string>

using mole::generateValues;

namespace {

struct GenerationCase {
    std::string name;
    float molarMass;
    int n;                  // amount n × 0.1 mol
    const char* rounded;    // boxes 1..5, route 1
    const char* exact;      // boxes 1..5, route 2
    const char* maxLengths; // boxes 1..5
};

void PrintTo(const GenerationCase& c, std::ostream* os) {
    *os << c.name << ": M = " << c.molarMass << ", n = " << c.n;
}

QStringList words(const char* text) {
    return QString::fromLatin1(text).split(u' ');
}

class GenerationTest : public testing::TestWithParam<GenerationCase> {};

TEST_P(GenerationTest, AnswersOfBothRoutes) {
    const GenerationCase& c = GetParam();
    const mole::MoleAnswers a = generateValues(c.molarMass, c.n);
    const QStringList rounded = words(c.rounded);
    const QStringList exact = words(c.exact);
    const QStringList lengths = words(c.maxLengths);
    for (int b = 1; b <= mole::boxCount; ++b) {
        SCOPED_TRACE("box " + std::to_string(b));
        EXPECT_EQ(a.rounded[static_cast<std::size_t>(b)], rounded[b - 1]);
        EXPECT_EQ(a.exact[static_cast<std::size_t>(b)], exact[b - 1]);
        EXPECT_EQ(a.maxLength(b), lengths[b - 1].toInt());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Questions, GenerationTest,
    testing::Values(
        // Both routes agree when the molecule count needs no rounding.
        GenerationCase{"HalfMole", 44, 5, "0.5 3.0 23 11.2 22.0", "0.5 3.0 23 11.2 22.0",
                       "3 3 2 4 4"},
        // 10.2 × 10^23 becomes 1.0 × 10^24: route 2 works from 1.666… mol.
        GenerationCase{"CountRoundedDown", 44, 17, "1.7 1.0 24 38.1 74.8", "1.7 1.0 24 37.3 73.3",
                       "3 3 2 4 4"},
        GenerationCase{"SmallestAmount", 44, 1, "0.1 6.0 22 2.2 4.4", "0.1 6.0 22 2.2 4.4",
                       "3 3 2 3 3"},
        GenerationCase{"LastBelowTenToTheTwentyFour", 44, 16, "1.6 9.6 23 35.8 70.4",
                       "1.6 9.6 23 35.8 70.4", "3 3 2 4 4"},
        // The amount shown comes back from the rounded count: 9.8, not 9.9.
        GenerationCase{"LargestAmount", 44, 99, "9.8 5.9 24 219.5 431.2", "9.8 5.9 24 220.3 432.7",
                       "3 3 2 5 5"},
        GenerationCase{"AmountOneTenthOff", 44, 19, "1.8 1.1 24 40.3 79.2", "1.8 1.1 24 41.1 80.7",
                       "3 3 2 4 4"},
        // Route 2 needs one character more than route 1; the box admits it.
        GenerationCase{"LongerExactAnswer", 55, 18, "1.8 1.1 24 40.3 99.0", "1.8 1.1 24 41.1 100.8",
                       "3 3 2 4 5"},
        // A single-precision molar mass is widened as it is: 36.5 stays exact.
        GenerationCase{"HalfIntegerMass", 36.5f, 5, "0.5 3.0 23 11.2 18.3", "0.5 3.0 23 11.2 18.3",
                       "3 3 2 4 4"}),
    [](const testing::TestParamInfo<GenerationCase>& info) { return info.param.name; });

TEST(GivenBoxes, KindsGiveTheirBoxes) {
    const char* given[] = {"", "1", "23", "4", "5"};
    for (int kind = 1; kind <= 4; ++kind)
        for (int b = 1; b <= mole::boxCount; ++b)
            EXPECT_EQ(mole::boxGiven(kind, b),
                      QString::fromLatin1(given[kind]).contains(QChar(u'0' + b)))
                << "kind " << kind << " box " << b;
}

} // namespace
