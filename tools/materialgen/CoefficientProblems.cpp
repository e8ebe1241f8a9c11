#include "CoefficientProblems.h"

#include "ChemicalFormula.h"
#include "coefficient/CoefficientData.h"
#include "coefficient/FormulaParser.h"

#include <QRegularExpression>
#include <QSet>

#include <map>
#include <numeric>
#include <set>

using coefficient::CoefficientData;
using coefficient::parseFormula;

namespace {

QStringList terms(const QString& side) {
    QStringList formulas;
    for (const QString& t : side.split(u'+'))
        formulas << t.trimmed();
    return formulas;
}

// Subscripts are one digit 2–9; one group in parentheses carries a multiplier 2–9.
bool writtenAsTheScreenReads(const QString& formula) {
    static const QRegularExpression notation(QStringLiteral(
        "^(?:[A-Z][a-z]?[2-9]?)*(?:\\((?:[A-Z][a-z]?[2-9]?)+\\)[2-9])?(?:[A-Z][a-z]?[2-9]?)*$"));
    return !formula.isEmpty() && notation.match(formula).hasMatch();
}

// The atoms the screen's parser counts, in the chemist's form.
std::map<QString, int> screenCounts(const QString& formula, QString& error) {
    const coefficient::ParsedFormula parsed = parseFormula(screenFormula(formula));
    error = parsed.error;
    std::map<QString, int> atoms;
    for (const coefficient::ElementCount& e : parsed.elements)
        atoms[e.symbol] = e.atoms;
    return atoms;
}

// Rank of an integer matrix, by fraction-free elimination.
int rankOf(std::vector<std::vector<long long>> m) {
    int rank = 0;
    const std::size_t columns = m.empty() ? 0 : m[0].size();
    for (std::size_t c = 0; c < columns && static_cast<std::size_t>(rank) < m.size(); ++c) {
        const auto r = static_cast<std::size_t>(rank);
        std::size_t pivot = r;
        while (pivot < m.size() && m[pivot][c] == 0)
            ++pivot;
        if (pivot == m.size())
            continue;
        std::swap(m[r], m[pivot]);
        for (std::size_t i = r + 1; i < m.size(); ++i) {
            const long long a = m[r][c];
            const long long b = m[i][c];
            for (std::size_t k = 0; k < columns; ++k)
                m[i][k] = m[i][k] * a - m[r][k] * b;
            long long g = 0;
            for (long long v : m[i])
                g = std::gcd(g, v);
            if (g > 1)
                for (long long& v : m[i])
                    v /= g;
        }
        ++rank;
    }
    return rank;
}

} // namespace

std::vector<SourceProblem> readProblemSource(const QString& text, QStringList& errors) {
    std::vector<SourceProblem> problems;
    const QStringList lines = text.split(u'\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList parts = line.split(u'|');
        const QStringList sides = parts.size() == 3 ? parts[1].split(u'→') : QStringList();
        if (sides.size() != 2) {
            errors << QStringLiteral(
                          "problems.txt %1 行目: 「題名 | 左辺 → 右辺 | 係数」の形ではありません")
                          .arg(i + 1);
            continue;
        }
        SourceProblem p;
        p.number = static_cast<int>(problems.size()) + 1;
        p.title = parts[0].trimmed();
        p.left = terms(sides[0]);
        p.right = terms(sides[1]);
        for (const QString& c : parts[2].split(u' ', Qt::SkipEmptyParts)) {
            bool ok = false;
            p.coefficients.push_back(c.toInt(&ok));
            if (!ok)
                errors << QStringLiteral("problems.txt %1 行目: 係数「%2」は整数ではありません")
                              .arg(i + 1)
                              .arg(c);
        }
        problems.push_back(p);
    }
    return problems;
}

QString screenFormula(const QString& formula) {
    QString text = formula;
    text.replace(u'(', QChar(0xFF08));
    text.replace(u')', QChar(0xFF09));
    return text;
}

QStringList problemFaults(const SourceProblem& problem) {
    QStringList faults;
    const QStringList formulas = problem.left + problem.right;
    const auto boxes = formulas.size();
    if (problem.title.isEmpty())
        faults << QStringLiteral("題名がありません");
    if (problem.left.isEmpty() || problem.right.isEmpty())
        faults << QStringLiteral("両辺に化学式が必要です");
    if (boxes > CoefficientData::maxBoxes)
        faults << QStringLiteral("係数欄が %1 個あります（%2 個まで）")
                      .arg(boxes)
                      .arg(CoefficientData::maxBoxes);
    if (static_cast<qsizetype>(problem.coefficients.size()) != boxes) {
        faults << QStringLiteral("係数が %1 個、化学式が %2 個です")
                      .arg(problem.coefficients.size())
                      .arg(boxes);
        return faults;
    }
    int divisor = 0;
    for (int c : problem.coefficients) {
        if (c < 1 || c > CoefficientData::maxCoefficient)
            faults << QStringLiteral("係数 %1 は 1〜%2 の外です")
                          .arg(c)
                          .arg(CoefficientData::maxCoefficient);
        divisor = std::gcd(divisor, c);
    }
    if (divisor > 1)
        faults << QStringLiteral("係数が最小の整数比ではありません（すべて %1 で割れます）")
                      .arg(divisor);

    std::vector<std::map<QString, int>> compositions;
    for (const QString& f : formulas) {
        const Composition real = chemicalComposition(f);
        if (!real.ok()) {
            faults << QStringLiteral("化学式「%1」: %2").arg(f, real.error);
            return faults;
        }
        if (!writtenAsTheScreenReads(f))
            faults
                << QStringLiteral(
                       "化学式「%1」は画面の書き方（添字 2〜9、括弧は一組で倍数 2〜9）に合いません")
                       .arg(f);
        QString error;
        const std::map<QString, int> screen = screenCounts(f, error);
        if (!error.isEmpty())
            faults << QStringLiteral("化学式「%1」を画面が読めません: %2").arg(f, error);
        else if (screen != real.atoms)
            faults << QStringLiteral("化学式「%1」の原子数を画面が正しく数えません").arg(f);
        compositions.push_back(real.atoms);
    }

    std::set<QString> elements;
    std::set<QString> leftElements;
    for (std::size_t s = 0; s < compositions.size(); ++s)
        for (const auto& [element, n] : compositions[s]) {
            elements.insert(element);
            if (s < static_cast<std::size_t>(problem.left.size()))
                leftElements.insert(element);
        }
    if (leftElements.size() > CoefficientData::maxTableRows)
        faults << QStringLiteral("左辺の元素が %1 種類あります（%2 種類まで）")
                      .arg(leftElements.size())
                      .arg(CoefficientData::maxTableRows);

    // Atoms in = atoms out, element by element; the signed composition
    // matrix must leave exactly one direction of solutions, so no other set
    // of coefficients balances it too.
    std::vector<std::vector<long long>> matrix;
    for (const QString& element : elements) {
        std::vector<long long> row;
        long long balance = 0;
        for (std::size_t s = 0; s < compositions.size(); ++s) {
            const auto it = compositions[s].find(element);
            const long long n = it == compositions[s].end() ? 0 : it->second;
            const long long sign = s < static_cast<std::size_t>(problem.left.size()) ? 1 : -1;
            row.push_back(sign * n);
            balance += sign * n * problem.coefficients[s];
        }
        if (balance != 0)
            faults << QStringLiteral("%1 の原子数が両辺で合いません（左辺 − 右辺 = %2）")
                          .arg(element)
                          .arg(balance);
        matrix.push_back(row);
    }
    if (rankOf(matrix) != static_cast<int>(boxes) - 1)
        faults << QStringLiteral("係数の組が一通りに決まりません");
    return faults;
}

QStringList problemSetFaults(const std::vector<SourceProblem>& problems, int expectedCount) {
    QStringList faults;
    if (static_cast<int>(problems.size()) != expectedCount)
        faults << QStringLiteral("問題が %1 題あります（%2 題必要です）")
                      .arg(problems.size())
                      .arg(expectedCount);
    QSet<QString> titles;
    for (const SourceProblem& p : problems) {
        if (titles.contains(p.title))
            faults << QStringLiteral("第 %1 問: 題名「%2」が重複しています")
                          .arg(p.number)
                          .arg(p.title);
        titles.insert(p.title);
    }
    return faults;
}
