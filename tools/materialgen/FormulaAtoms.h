#pragma once

#include <QString>

#include <map>

// The atoms of a chemical formula as written on paper ("CH3Cl", "(CH3)2O"),
// by element symbol. `error` is empty on success; otherwise it says what is
// wrong and `position` where (0-based).
struct FormulaAtoms {
    std::map<QString, int> atoms;
    QString error;
    qsizetype position = 0;

    bool ok() const { return error.isEmpty(); }
};

FormulaAtoms parseFormula(const QString& formula);
