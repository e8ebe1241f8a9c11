#pragma once

#include <QString>
#include <QStringList>

#include <vector>

// One problem of material/coefficient/problems.txt.
struct SourceProblem {
    int number = 0; // 1.. in file order
    QString title;
    QStringList left; // formulas as written on paper: "Ca(OH)2"
    QStringList right;
    std::vector<int> coefficients; // in box order
};

// Reads the source: "title | A + B → C + D | 1 2 1 2" a line, blank lines and
// # comments skipped. A line that does not have that shape goes to `errors`.
std::vector<SourceProblem> readProblemSource(const QString& text, QStringList& errors);

// The formula as the data file holds it: its parentheses full width.
QString screenFormula(const QString& formula);

// Why a problem cannot be asked; empty when it can. Each formula must be
// written as the screen reads it and be read by the screen's parser exactly
// as by a chemist's; atoms of every element balance; the coefficients are
// the one smallest whole solution, each 1 to 8; at most 6 boxes and at most
// 6 elements on the left-hand side (the rows of the atom table).
QStringList problemFaults(const SourceProblem& problem);

// Faults of the whole set: the number of problems and repeated titles.
QStringList problemSetFaults(const std::vector<SourceProblem>& problems, int expectedCount);
