#pragma once

#include <QString>

#include <map>

// A chemistry formula parser for checking the material, written apart from
// the screen's parser so each can catch the other's mistakes. It reads
// formulas as chemists write them: nested groups in parentheses of either
// width, counts of any size, and hydrates joined by a dot.
struct Composition {
    std::map<QString, int> atoms; // element → atoms per formula unit
    QString error;                // empty when the formula was read

    bool ok() const { return error.isEmpty(); }
};

Composition chemicalComposition(const QString& formula);
