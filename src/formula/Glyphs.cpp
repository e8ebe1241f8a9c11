#include "Glyphs.h"

#include <array>
#include <stdexcept>

namespace formula {

QString Glyph::spokenName() const {
    return kind == GlyphKind::Subscript ? QStringLiteral("下付きの") + tooltip : tooltip;
}

const Glyph& glyph(int n) {
    constexpr auto E = GlyphKind::Element;
    static const std::array<Glyph, glyphCount> glyphs{{
        {"Al", "アルミニウム", E},
        {"Ag", "銀", E},
        {"Ba", "バリウム", E},
        {"Br", "臭素", E},
        {"C", "炭素", E},
        {"Ca", "カルシウム", E},
        {"Cl", "塩素", E},
        {"Cu", "銅", E},
        {"F", "フッ素", E},
        {"Fe", "鉄", E},
        {"H", "水素", E},
        {"I", "ヨウ素", E},
        {"K", "カリウム", E},
        {"Li", "リチウム", E},
        {"Mg", "マグネシウム", E},
        {"N", "窒素", E},
        {"Na", "ナトリウム", E},
        {"O", "酸素", E},
        {"P", "リン", E},
        {"S", "硫黄", E},
        {"Zn", "亜鉛", E},
        {"(", "左カッコ", GlyphKind::Parenthesis},
        {")", "右カッコ", GlyphKind::Parenthesis},
        {"2", "2", GlyphKind::Subscript},
        {"3", "3", GlyphKind::Subscript},
        {"4", "4", GlyphKind::Subscript},
    }};
    if (n < 1 || n > glyphCount)
        throw std::out_of_range("glyph number out of range");
    return glyphs[static_cast<std::size_t>(n - 1)];
}

QString glyphCode(int n) {
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

} // namespace formula
