#pragma once

#include <QString>

// The material of モル, as paths under basePath: the reader, the screen and
// the generator all take them from here.
namespace mole::paths {

// The 20 molar masses, substance by substance.
inline QString molarMasses() {
    return QStringLiteral("\\モル\\分子量.dat");
}
// Substance n's question strip, 1..20.
inline QString questionStrip(int n) {
    return QStringLiteral("\\モル\\問題\\m(%1).gif").arg(n);
}
// What the 20 strips say after 第　問, one line each, for screen readers.
inline QString questionTexts() {
    return QStringLiteral("\\モル\\問題\\問題文.dat");
}
// A frame of an answer box: colour letter w, y, b, g or r; size 1 for boxes
// 1, 2, 4 and 5, 2 for the small box 3.
inline QString frame(QChar colour, int size) {
    return QStringLiteral("\\モル\\枠\\%1%2.gif").arg(colour).arg(size);
}

} // namespace mole::paths
