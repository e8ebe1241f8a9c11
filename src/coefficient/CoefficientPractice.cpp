#include "CoefficientPractice.h"

#include "practice/QuestionDraw.h"
#include "util/RecentMemory.h"

#include <limits>
#include <stdexcept>

namespace coefficient {

using practice::Outcome;
using util::Clock;
using util::RandomSource;
using util::RecentMemory;

namespace {
const QString chooseBoxFirst = QStringLiteral("係数欄を選択した後、数字をクリックして下さい");
const QString chooseBoxBeforeDeleting = QStringLiteral("係数欄を選択した後、実行して下さい");
} // namespace

CoefficientPractice::CoefficientPractice(CoefficientData data, RecentMemory& recent,
                                         const Clock& clock, RandomSource& random)
    : data_(std::move(data)), recent_(recent), clock_(clock), random_(random) {}

const CoefficientBox& CoefficientPractice::box(int j) const {
    if (j < 1 || j > maxBoxes)
        throw std::out_of_range("coefficient box out of range");
    return boxes_[static_cast<std::size_t>(j)];
}

BoxFace CoefficientPractice::restingFace(const CoefficientBox& b) {
    return b.coefficient == 0 ? BoxFace::Empty : BoxFace::Digit;
}

Outcome CoefficientPractice::drawProblem() {
    boxes_ = {};
    selectedBox_ = 0;
    solved_ = false;
    countsShown_ = false;
    currentProblem_ = practice::drawQuestion(CoefficientData::problemCount, clock_, random_,
                                             [this](int n) { return !recent_.inUse(n); });
    recent_.accept(currentProblem_);
    // Counted as an int, far past any visit; it cannot wrap.
    if (questionNumber_ < std::numeric_limits<int>::max())
        ++questionNumber_;
    tableRows_ = tableElements(problem());
    Outcome result = outcome();
    result.newQuestion = true;
    return result;
}

Outcome CoefficientPractice::nextProblem() {
    if (!solved_)
        return outcome();
    return drawProblem();
}

Outcome CoefficientPractice::selectBox(int j) {
    if (j < 1 || j > boxCount())
        return outcome();
    CoefficientBox& chosen = boxAt(j);
    if (chosen.locked)
        return outcome();
    const int previous = selectedBox_;
    selectedBox_ = j;
    chosen.face = chosen.coefficient == 0 ? BoxFace::EmptySelected : BoxFace::DigitSelected;
    if (previous != 0 && previous != j && !boxAt(previous).locked)
        boxAt(previous).face = restingFace(boxAt(previous));
    return outcome();
}

Outcome CoefficientPractice::enterDigit(int d) {
    if (d < 1 || d > CoefficientData::maxCoefficient)
        return outcome();
    if (selectedBox_ == 0)
        return outcome(chooseBoxFirst);
    CoefficientBox& b = boxAt(selectedBox_);
    if (b.locked)
        return outcome();
    b.coefficient = d;
    b.face = BoxFace::DigitEntered;
    return outcome();
}

Outcome CoefficientPractice::deleteCoefficient() {
    if (solved_)
        return outcome();
    if (selectedBox_ == 0)
        return outcome(chooseBoxBeforeDeleting);
    CoefficientBox& b = boxAt(selectedBox_);
    if (b.locked || b.coefficient == 0)
        return outcome();
    b.coefficient = 0;
    b.face = BoxFace::EmptySelected;
    return outcome();
}

Outcome CoefficientPractice::judgeAnswer() {
    if (solved_)
        return outcome();
    Outcome result;
    bool wrong = false;
    selectedBox_ = 0;
    const Problem& p = problem();
    for (int j = 1; j <= boxCount(); ++j) {
        CoefficientBox& b = boxAt(j);
        if (b.coefficient == 0) {
            b.face = BoxFace::Empty; // an empty box is never correct
            wrong = true;
        } else if (b.locked) {
            continue; // keeps its face, scored once
        } else if (b.coefficient == p.correct[static_cast<std::size_t>(j - 1)]) {
            b.locked = true;
            b.face = BoxFace::Correct;
            ++result.newlyCorrect;
            result.showMark = true;
        } else {
            b.face = BoxFace::Wrong;
            wrong = true;
            result.showMark = true;
        }
    }
    solved_ = !wrong;
    result.complete = solved_;
    return result;
}

Outcome CoefficientPractice::showAtomCounts() {
    countsShown_ = true;
    return outcome();
}

Outcome CoefficientPractice::hideAtomCounts() {
    countsShown_ = false;
    return outcome();
}

std::vector<AtomRow> CoefficientPractice::totals() const {
    std::vector<int> coefficients;
    for (int j = 1; j <= boxCount(); ++j)
        coefficients.push_back(box(j).coefficient);
    return atomTotals(problem(), coefficients);
}

Outcome CoefficientPractice::outcome(const QString& banner) const {
    Outcome result;
    result.banner = banner;
    result.complete = solved_;
    return result;
}

} // namespace coefficient
