#include "FormulaPractice.h"

#include "Compound.h"
#include "practice/QuestionDraw.h"
#include "util/RecentMemory.h"

#include <algorithm>
#include <stdexcept>

namespace formula {

using util::Clock;
using util::RandomSource;
using util::RecentMemory;

using practice::Outcome;

namespace {
const QString chooseRowFirst = QStringLiteral("解答欄を選択した後、元素記号をクリックして下さい");
const QString chooseRowBeforeDeleting = QStringLiteral("解答欄を選択した後、実行して下さい");

} // namespace

FormulaPractice::FormulaPractice(FormulaData data, RecentMemory& recent, const Clock& clock,
                                 RandomSource& random)
    : data_(std::move(data)), recent_(recent), clock_(clock), random_(random) {}

int FormulaPractice::checkedRow(int r) {
    if (r < 0 || r > rowCount)
        throw std::out_of_range("formula row out of range");
    return r;
}

Outcome FormulaPractice::startSet() {
    selectedRow_ = 0;
    shadedRow_ = 0;
    complete_ = false;
    for (int r = 1; r <= rowCount; ++r) {
        const int n = practice::drawQuestion(data_.pairCount(), clock_, random_,
                                             [this](int k) { return !recent_.inUse(k); });
        recent_.accept(n);
        const IonPair pair = data_.pair(n);
        pairs_[static_cast<std::size_t>(r)] = pair;
        FormulaRow& row = rows_[static_cast<std::size_t>(r)];
        row = FormulaRow();
        row.name = compoundName(data_, pair);
        row.correctCode = buildCorrectCode(data_, pair);
    }
    Outcome result = outcome();
    result.newQuestion = true;
    return result;
}

Outcome FormulaPractice::nextSet() {
    if (!complete_)
        return outcome();
    return startSet();
}

Outcome FormulaPractice::selectRow(int r) {
    FormulaRow& chosen = rows_.at(static_cast<std::size_t>(checkedRow(r)));
    if (r == 0 || chosen.correct)
        return outcome();
    selectedRow_ = r;
    // The row shaded before loses its fill, whatever mark it had, unless it is locked green.
    FormulaRow& shaded = rows_[static_cast<std::size_t>(shadedRow_)];
    if (shadedRow_ != 0 && !shaded.correct)
        shaded.filled = false;
    chosen.mark = RowMark::Selected;
    chosen.filled = true;
    shadedRow_ = r;
    return outcome();
}

Outcome FormulaPractice::enterGlyph(int n) {
    if (complete_)
        return outcome();
    if (selectedRow_ == 0 || selected().correct)
        return outcome(chooseRowFirst);
    FormulaRow& row = selected();
    const int width = data_.elementWidth(n);
    if (row.nextCell + width > cellCount + 1)
        return outcome(); // does not fit in the row: ignored without a word
    row.nextCell += width;
    row.answerCode += data_.elementCode(n);
    return outcome();
}

Outcome FormulaPractice::deleteGlyph() {
    if (complete_)
        return outcome();
    if (selectedRow_ == 0)
        return outcome(chooseRowBeforeDeleting);
    FormulaRow& row = selected();
    if (row.nextCell <= 1)
        return outcome();
    // A code is its glyph's number, which gives the width to take back.
    const int n = row.answerCode.right(2).toInt();
    row.nextCell -= data_.elementWidth(n);
    row.answerCode.chop(2);
    return outcome();
}

Outcome FormulaPractice::clearFormula() {
    if (complete_)
        return outcome();
    if (selectedRow_ == 0)
        return outcome(chooseRowBeforeDeleting);
    selected().nextCell = 1;
    selected().answerCode.clear();
    return outcome();
}

Outcome FormulaPractice::judgeRows() {
    if (complete_)
        return outcome();
    Outcome result;
    shadedRow_ = 0;
    selectedRow_ = 0;
    for (int r = 1; r <= rowCount; ++r) {
        FormulaRow& row = rows_[static_cast<std::size_t>(r)];
        if (row.correct)
            continue; // stays green, scored once
        row.filled = true;
        if (row.answerCode.isEmpty()) {
            row.mark = RowMark::Black;
        } else if (row.answerCode != row.correctCode) {
            row.mark = RowMark::Wrong; // stays open with its glyphs
            result.showMark = true;
        } else {
            row.mark = RowMark::Correct;
            row.correct = true;
            result.showMark = true;
            ++result.newlyCorrect;
        }
    }
    complete_ = std::all_of(rows_.begin() + 1, rows_.end(),
                            [](const FormulaRow& row) { return row.correct; });
    result.complete = complete_;
    return result;
}

Outcome FormulaPractice::outcome(const QString& banner) const {
    Outcome result;
    result.banner = banner;
    result.complete = complete_;
    return result;
}

QString FormulaPractice::ionTableSubstance() const {
    return rows_[static_cast<std::size_t>(selectedRow_)].name;
}

std::vector<PlacedGlyph> FormulaPractice::placedGlyphs(int r) const {
    const QString& code = row(r).answerCode;
    std::vector<PlacedGlyph> placed;
    int cell = 1;
    for (qsizetype i = 0; i + 1 < code.size(); i += 2) {
        const int n = code.mid(i, 2).toInt();
        placed.push_back({cell, n});
        cell += data_.elementWidth(n);
    }
    return placed;
}

} // namespace formula
