#include "CoefficientData.h"

#include "CoefficientGeometry.h"
#include "CoefficientPaths.h"
#include "util/DataError.h"
#include "util/DataFile.h"
#include "util/MaterialPath.h"
#include "util/PictureFile.h"

#include <map>
#include <stdexcept>

namespace coefficient {

using util::DataError;
using util::DataFile;

namespace {

// Every box must lie inside the 751 × 501 client area to be seen and clicked.
constexpr QRect clientArea(0, 0, 751, 501);

QString problemLabel(int p) {
    return QStringLiteral("第 %1 問: ").arg(p);
}

void readPositions(DataFile& f, std::vector<Problem>& problems) {
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const int p = static_cast<int>(i) + 1;
        const int count = f.integer(0, CoefficientData::maxBoxes);
        for (int j = 1; j <= count; ++j) {
            const int x = f.integer();
            const int y = f.integer();
            if (!clientArea.contains(geometry::box(j, QPoint(x, y)).rect))
                f.fail(problemLabel(p) + QStringLiteral("係数欄 %1 の位置 (%2, %3) は画面の外です")
                                             .arg(j)
                                             .arg(x)
                                             .arg(y));
            problems[i].boxPositions.emplace_back(x, y);
        }
    }
}

void readTitles(DataFile& f, std::vector<Problem>& problems) {
    for (Problem& problem : problems)
        problem.title = f.line();
}

void readAnswers(DataFile& f, std::vector<Problem>& problems) {
    for (Problem& problem : problems)
        for (int j = 1; j <= problem.boxCount(); ++j)
            problem.correct.push_back(f.integer(1, CoefficientData::maxCoefficient));
}

// A field of 物質.dat that ends a side: one that reads as the number 0.
bool endsSide(const QString& field) {
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    return ok && value == 0;
}

Side readSide(DataFile& f, int p, const QString& sideName) {
    Side side;
    for (QString field = f.text(); !endsSide(field); field = f.text()) {
        if (side.formulas.size() >= CoefficientData::maxFormulasPerSide)
            f.fail(problemLabel(p) + QStringLiteral("%1の化学式が %2 個を超えています")
                                         .arg(sideName)
                                         .arg(CoefficientData::maxFormulasPerSide));
        const ParsedFormula parsed = parseFormula(field);
        if (!parsed.ok())
            f.fail(problemLabel(p) +
                   QStringLiteral("化学式「%1」を読めません: %2").arg(field, parsed.error));
        if (parsed.elements.size() > CoefficientData::maxElementsPerSubstance)
            f.fail(problemLabel(p) + QStringLiteral("化学式「%1」の元素が %2 種類を超えています")
                                         .arg(field)
                                         .arg(CoefficientData::maxElementsPerSubstance));
        side.formulas << field;
        side.elements.push_back(parsed.elements);
    }
    if (side.formulas.isEmpty())
        f.fail(problemLabel(p) + QStringLiteral("%1に化学式がありません").arg(sideName));
    return side;
}

int leftElementCount(const Side& left) {
    QStringList seen;
    for (const auto& elements : left.elements)
        for (const ElementCount& e : elements)
            if (!seen.contains(e.symbol))
                seen << e.symbol;
    return static_cast<int>(seen.size());
}

// Atoms of each element on one side, with the given coefficients from `first` on.
std::map<QString, long long> atomsOf(const Side& side, const std::vector<int>& correct,
                                     std::size_t first) {
    std::map<QString, long long> atoms;
    for (std::size_t k = 0; k < side.elements.size(); ++k)
        for (const ElementCount& e : side.elements[k])
            atoms[e.symbol] += static_cast<long long>(correct[first + k]) * e.atoms;
    return atoms;
}

// The answer key must balance its equation. A coefficient too many or too few
// in 正解.dat moves every later one into another box, and every field still
// lies in 1..8: only the atom counts show it.
void checkBalanced(const Problem& problem, int p) {
    const auto left = atomsOf(problem.left, problem.correct, 0);
    const auto right = atomsOf(problem.right, problem.correct, problem.left.elements.size());
    for (const auto& [symbol, n] : left) {
        const auto it = right.find(symbol);
        const long long m = it == right.end() ? 0 : it->second;
        if (n != m)
            throw DataError(paths::answers(), 0,
                            problemLabel(p) +
                                QStringLiteral("正解の係数では %1 の原子の数が左辺 %2、右辺 %3 "
                                               "で合いません")
                                    .arg(symbol)
                                    .arg(n)
                                    .arg(m));
    }
    for (const auto& [symbol, m] : right)
        if (!left.contains(symbol))
            throw DataError(paths::answers(), 0,
                            problemLabel(p) +
                                QStringLiteral("右辺の %1 が左辺にありません").arg(symbol));
}

void readSubstances(DataFile& f, std::vector<Problem>& problems) {
    for (std::size_t i = 0; i < problems.size(); ++i) {
        const int p = static_cast<int>(i) + 1;
        Problem& problem = problems[i];
        problem.left = readSide(f, p, QStringLiteral("左辺"));
        problem.right = readSide(f, p, QStringLiteral("右辺"));
        const auto formulas = problem.left.formulas.size() + problem.right.formulas.size();
        if (formulas != problem.boxCount())
            f.fail(problemLabel(p) +
                   QStringLiteral("化学式が %1 個ありますが、係数欄は %2 個です（%3）")
                       .arg(formulas)
                       .arg(problem.boxCount())
                       .arg(util::shownPath(paths::positions())));
        if (leftElementCount(problem.left) > CoefficientData::maxTableRows)
            f.fail(problemLabel(p) + QStringLiteral("左辺の元素が %1 種類を超えています")
                                         .arg(CoefficientData::maxTableRows));
        checkBalanced(problem, p);
    }
}

} // namespace

CoefficientData CoefficientData::load(const QString& basePath) {
    CoefficientData data;
    data.problems_.resize(problemCount);
    // Read one after the other, in the order the counts need.
    {
        DataFile f(basePath, paths::positions());
        readPositions(f, data.problems_);
    }
    {
        DataFile f(basePath, paths::titles());
        readTitles(f, data.problems_);
    }
    {
        DataFile f(basePath, paths::answers());
        readAnswers(f, data.problems_);
    }
    {
        DataFile f(basePath, paths::substances());
        readSubstances(f, data.problems_);
    }
    // A problem without a picture it can show cannot be answered.
    for (int n = 1; n <= problemCount; ++n) {
        const QString picture = paths::equationPicture(n);
        const QString problem = util::pictureProblem(util::materialPath(basePath, picture));
        if (!problem.isEmpty())
            throw DataError(picture, 0, problem);
    }
    return data;
}

CoefficientData CoefficientData::fromTexts(const QString& positions, const QString& titles,
                                           const QString& answers, const QString& substances) {
    CoefficientData data;
    data.problems_.resize(problemCount);
    DataFile p = DataFile::fromText(paths::positions(), positions);
    readPositions(p, data.problems_);
    DataFile t = DataFile::fromText(paths::titles(), titles);
    readTitles(t, data.problems_);
    DataFile a = DataFile::fromText(paths::answers(), answers);
    readAnswers(a, data.problems_);
    DataFile s = DataFile::fromText(paths::substances(), substances);
    readSubstances(s, data.problems_);
    return data;
}

const Problem& CoefficientData::problem(int n) const {
    if (n < 1 || n > problemCount)
        throw std::out_of_range("coefficient problem out of range");
    return problems_[static_cast<std::size_t>(n - 1)];
}

} // namespace coefficient
