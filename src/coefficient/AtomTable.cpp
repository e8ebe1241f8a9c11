#include "AtomTable.h"

#include "CoefficientData.h"

namespace coefficient {

QStringList tableElements(const Problem& problem) {
    QStringList rows;
    for (const auto& substance : problem.left.elements)
        for (const ElementCount& e : substance)
            if (!rows.contains(e.symbol))
                rows << e.symbol;
    return rows;
}

namespace {
// Atoms of `symbol` on one side; the side's first box is `firstBox` (0-based).
int sideTotal(const Side& side, std::size_t firstBox, const QString& symbol,
              const std::vector<int>& coefficients) {
    int total = 0;
    for (std::size_t s = 0; s < side.elements.size(); ++s) {
        const std::size_t box = firstBox + s;
        const int coefficient = box < coefficients.size() ? coefficients[box] : 0;
        for (const ElementCount& e : side.elements[s])
            if (e.symbol == symbol)
                total += e.atoms * coefficient;
    }
    return total;
}
} // namespace

std::vector<AtomRow> atomTotals(const Problem& problem, const std::vector<int>& coefficients) {
    std::vector<AtomRow> rows;
    const std::size_t firstRight = problem.left.elements.size();
    for (const QString& symbol : tableElements(problem))
        rows.push_back({symbol, sideTotal(problem.left, 0, symbol, coefficients),
                        sideTotal(problem.right, firstRight, symbol, coefficients)});
    return rows;
}

} // namespace coefficient
