#pragma once

#include <QString>

// The material of 化学式, as paths under basePath: the reader, the screen and
// the generator all take them from here.
namespace formula::paths {

inline QString elements() {
    return QStringLiteral("\\化学式\\データ\\元素.dat");
}
inline QString cations() {
    return QStringLiteral("\\化学式\\データ\\陽イオン.dat");
}
inline QString anions() {
    return QStringLiteral("\\化学式\\データ\\陰イオン.dat");
}
inline QString exclusions() {
    return QStringLiteral("\\化学式\\データ\\除外.dat");
}
// Glyph n's picture in the answer cells, 1..26.
inline QString glyphPicture(int n) {
    return QStringLiteral("\\化学式\\元素\\gen(%1).gif").arg(n);
}
// Palette entry n's highlight, 1..26.
inline QString highlightPicture(int n) {
    return QStringLiteral("\\化学式\\画像\\g(%1).gif").arg(n);
}

} // namespace formula::paths
