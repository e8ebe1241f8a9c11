#pragma once

#include <QString>

// The material of 係数, as paths under basePath: the reader, the screen and
// the generator all take them from here.
namespace coefficient::paths {

// Box count and box positions of every problem.
inline QString positions() {
    return QStringLiteral("\\係数\\座標.dat");
}
// One title a line.
inline QString titles() {
    return QStringLiteral("\\係数\\問題.dat");
}
// The correct coefficients, box by box.
inline QString answers() {
    return QStringLiteral("\\係数\\正解.dat");
}
// The formulas of both sides, each side ended by a field 0.
inline QString substances() {
    return QStringLiteral("\\係数\\物質.dat");
}
// The equation picture of problem n (no leading zeros: m(7).gif).
inline QString equationPicture(int n) {
    return QStringLiteral("\\係数\\問題\\m(%1).gif").arg(n);
}
// A box face: "w", "r", "y", "g_h", "r_h" with digit d, or "w" / "r" alone
// (d = 0) for an empty box. "r" with a digit is also the pad's highlight.
inline QString boxFace(const QString& style, int d) {
    return d == 0 ? QStringLiteral("\\係数\\数字\\%1.gif").arg(style)
                  : QStringLiteral("\\係数\\数字\\%1%2.gif").arg(style).arg(d);
}

} // namespace coefficient::paths
