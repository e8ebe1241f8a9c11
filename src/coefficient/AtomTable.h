#pragma once

#include <QString>
#include <QStringList>

#include <vector>

namespace coefficient {

struct Problem;

// One row of the atom-count table: an element of the left-hand side and how
// many of its atoms the entered coefficients put on each side.
struct AtomRow {
    QString symbol;
    int left = 0;
    int right = 0;

    bool operator==(const AtomRow&) const = default;
};

// The rows of a problem's table: the elements of the left-hand side in the
// order they first appear, substance by substance. An element found only on
// the right-hand side gets no row.
QStringList tableElements(const Problem& problem);

// The totals of every row for the coefficients of boxes 1.. in order (0 for
// an empty box, whose substance then adds nothing).
std::vector<AtomRow> atomTotals(const Problem& problem, const std::vector<int>& coefficients);

} // namespace coefficient
