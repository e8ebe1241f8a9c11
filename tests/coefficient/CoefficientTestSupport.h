#pragma once

#include "coefficient/CoefficientData.h"

#include <QString>
#include <QStringList>

#include <vector>

// Small problem sets for the coefficient tests, written as the four data
// files would hold them.
namespace coefficientTest {

struct FixtureProblem {
    QString title;
    QStringList left;
    QStringList right;
    std::vector<int> correct;
};

struct FixtureTexts {
    QString positions;
    QString titles;
    QString answers;
    QString substances;

    coefficient::CoefficientData load() const {
        return coefficient::CoefficientData::fromTexts(positions, titles, answers, substances);
    }
};

// Problem 1: 2H2 + O2 → 2H2O; problem 2: CH4 + 2O2 → CO2 + 2H2O; the rest
// are copies of problem 2 under their own titles.
inline std::vector<FixtureProblem> standardProblems() {
    std::vector<FixtureProblem> problems;
    problems.push_back({QStringLiteral("水素の燃焼"),
                        {QStringLiteral("H2"), QStringLiteral("O2")},
                        {QStringLiteral("H2O")},
                        {2, 1, 2}});
    for (int p = 2; p <= coefficient::CoefficientData::problemCount; ++p)
        problems.push_back({QStringLiteral("メタンの燃焼 %1").arg(p),
                            {QStringLiteral("CH4"), QStringLiteral("O2")},
                            {QStringLiteral("CO2"), QStringLiteral("H2O")},
                            {1, 2, 1, 2}});
    return problems;
}

// Box j of every problem at (60 j, 5).
inline FixtureTexts textsOf(const std::vector<FixtureProblem>& problems) {
    FixtureTexts t;
    for (const FixtureProblem& p : problems) {
        const qsizetype boxes = p.left.size() + p.right.size();
        QStringList positions{QString::number(boxes)};
        for (qsizetype j = 1; j <= boxes; ++j)
            positions << QString::number(60 * j) << QStringLiteral("5");
        t.positions += positions.join(u',') + QStringLiteral("\r\n");
        t.titles += p.title + QStringLiteral("\r\n");
        QStringList answers;
        for (int c : p.correct)
            answers << QString::number(c);
        t.answers += answers.join(u',') + QStringLiteral("\r\n");
        t.substances +=
            (p.left + QStringList{QStringLiteral("0")} + p.right + QStringList{QStringLiteral("0")})
                .join(u',') +
            QStringLiteral("\r\n");
    }
    return t;
}

// The random value that draws problem n of 65.
inline double valueFor(int n) {
    return (n - 0.5) / coefficient::CoefficientData::problemCount;
}

} // namespace coefficientTest
