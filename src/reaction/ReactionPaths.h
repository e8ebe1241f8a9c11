#pragma once

#include <QString>

// The material of 反応量, as paths under basePath: the reader, the screen and
// the generator all take them from here.
namespace reaction::paths {

inline QString molarMasses() {
    return QStringLiteral("\\反応量\\分子量.dat");
}
inline QString reactions() {
    return QStringLiteral("\\反応量\\反応式.dat");
}
// What the pictures say, for screen readers: each substance's name and
// formula, then each reaction's equation.
inline QString pictureTexts() {
    return QStringLiteral("\\反応量\\名称.dat");
}
// Reaction n's equation, 1..13.
inline QString equationPicture(int n) {
    return QStringLiteral("\\反応量\\反応式\\s(%1).gif").arg(n);
}
// The table for n substances, 1..4.
inline QString tablePicture(int n) {
    return QStringLiteral("\\反応量\\表\\h(%1).gif").arg(n);
}
// Substance n's name and formula, 1..20.
inline QString substancePicture(int n) {
    return QStringLiteral("\\反応量\\物質\\b(%1).gif").arg(n);
}
// A cell's frame: w (open), y (given), b (chosen), g (correct), r (wrong).
inline QString framePicture(QChar letter) {
    return QStringLiteral("\\反応量\\枠\\%1.gif").arg(letter);
}

} // namespace reaction::paths
