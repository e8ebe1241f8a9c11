#include "Glyphs.h"

#include <array>
#include <stdexcept>

const Glyph& glyph(int n) {
    static const std::array<Glyph, glyphCount> glyphs{{
        {"Al", "アルミニウム", false},
        {"Ag", "銀", false},
        {"Ba", "バリウム", false},
        {"Br", "臭素", false},
        {"C", "炭素", false},
        {"Ca", "カルシウム", false},
        {"Cl", "塩素", false},
        {"Cu", "銅", false},
        {"F", "フッ素", false},
        {"Fe", "鉄", false},
        {"H", "水素", false},
        {"I", "ヨウ素", false},
        {"K", "カリウム", false},
        {"Li", "リチウム", false},
        {"Mg", "マグネシウム", false},
        {"N", "窒素", false},
        {"Na", "ナトリウム", false},
        {"O", "酸素", false},
        {"P", "リン", false},
        {"S", "硫黄", false},
        {"Zn", "亜鉛", false},
        {"(", "左カッコ", false},
        {")", "右カッコ", false},
        {"2", "2", true},
        {"3", "3", true},
        {"4", "4", true},
    }};
    if (n < 1 || n > glyphCount)
        throw std::out_of_range("glyph number out of range");
    return glyphs[static_cast<std::size_t>(n - 1)];
}
