#include "util/HalfWidth.h"

#include <gtest/gtest.h>

using util::toHalfWidth;

TEST(HalfWidthTest, ConvertsFullWidthLatinDigitsAndSigns) {
    struct Case {
        const char* in;
        const char* out;
    };
    for (const Case c : {Case{"Ｈ２ＳＯ４", "H2SO4"}, Case{"（ＮＨ４）２ＳＯ４", "(NH4)2SO4"},
                         Case{"ａｂｃ＋－＝", "abc+-="}, Case{"H2O", "H2O"}, Case{"　", " "},
                         Case{"水素Ｈ", "水素H"}, Case{"", ""}}) {
        EXPECT_EQ(toHalfWidth(QString::fromUtf8(c.in)), QString::fromUtf8(c.out)) << c.in;
    }
}
