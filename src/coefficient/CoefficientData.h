#pragma once

#include "FormulaParser.h"

#include <QPoint>
#include <QString>
#include <QStringList>

#include <vector>

namespace coefficient {

// One side of an equation: its formulas in box order and what each holds.
struct Side {
    QStringList formulas;
    std::vector<std::vector<ElementCount>> elements; // per formula, as the parser reads it
};

// One balancing problem as the four data files give it.
struct Problem {
    QString title;
    std::vector<QPoint> boxPositions; // box j's offset from the equation picture's corner
    std::vector<int> correct;         // box j's correct coefficient, 1..8
    Side left;
    Side right;

    int boxCount() const { return static_cast<int>(boxPositions.size()); }
};

// What the coefficient screen reads when it loads: the 65 problems of
// 座標.dat, 問題.dat, 正解.dat and 物質.dat. Everything the screen later
// relies on is checked here — counts that agree between the files, the box
// and formula limits, formulas the parser can count, the rows of the atom
// table, the equation pictures — so a bad file is reported once, at load,
// as a DataError naming it.
class CoefficientData {
public:
    static constexpr int problemCount = 65;
    static constexpr int maxBoxes = 6;            // box controls on the screen
    static constexpr int maxFormulasPerSide = 20; // room in 物質.dat
    static constexpr int maxElementsPerSubstance = 10;
    static constexpr int maxTableRows = 6;   // different elements on the left-hand side
    static constexpr int maxCoefficient = 8; // the pad's highest digit

    // Reads the four files under basePath, in the order 座標, 問題, 正解,
    // 物質 (正解.dat takes its counts from 座標.dat).
    static CoefficientData load(const QString& basePath);
    // The same from texts already decoded, for tests of the checks.
    static CoefficientData fromTexts(const QString& positions, const QString& titles,
                                     const QString& answers, const QString& substances);

    // Problem n, 1..problemCount.
    const Problem& problem(int n) const;

private:
    std::vector<Problem> problems_;
};

} // namespace coefficient
