#pragma once

#include "AtomTable.h"
#include "CoefficientData.h"
#include "practice/Outcome.h"

#include <array>
#include <vector>

namespace util {
class Clock;
class RandomSource;
class RecentMemory;
} // namespace util

namespace coefficient {

// The picture a coefficient box shows.
enum class BoxFace {
    Empty,         // no digit, not selected
    EmptySelected, // no digit, selected
    Digit,         // holds its digit, not selected
    DigitSelected, // holds its digit, selected by a click
    DigitEntered,  // its digit was just written; still selected
    Correct,       // judged correct: locked until the next problem
    Wrong,         // judged wrong: stays open
};

struct CoefficientBox {
    int coefficient = 0; // 0 = empty, else the digit 1..8
    bool locked = false; // judged correct
    BoxFace face = BoxFace::Empty;
};

// The rules of the coefficient exercise 係数: problems drawn past the
// program-wide window of recent ones, boxes selected and filled from the
// digit pad, a coefficient deleted, the judgement, the atom-count table and
// the next problem. No widget: the screen calls one method per learner action,
// applies the outcome and draws the boxes and the table from the state.
class CoefficientPractice {
public:
    static constexpr int maxBoxes = CoefficientData::maxBoxes;

    // recent: the program-wide memory of drawn problems, which outlives this object.
    CoefficientPractice(CoefficientData data, util::RecentMemory& recent, const util::Clock& clock,
                        util::RandomSource& random);

    // Clears the boxes and draws a problem not among the recent ones; the load step.
    practice::Outcome drawProblem();
    // 次: the next problem, once this one is solved.
    practice::Outcome nextProblem();
    // A click on box j, 1..6.
    practice::Outcome selectBox(int j);
    // A click on digit d of the pad, 1..8.
    practice::Outcome enterDigit(int d);
    // 係数削除.
    practice::Outcome deleteCoefficient();
    // 解答判定.
    practice::Outcome judgeAnswer();
    // 原子数表示 and 原子数消去.
    practice::Outcome showAtomCounts();
    practice::Outcome hideAtomCounts();

    int currentProblem() const { return currentProblem_; }
    const Problem& problem() const { return data_.problem(currentProblem_); }
    int boxCount() const { return problem().boxCount(); }
    // Heading number "第 n 問": 1 for the first problem of this visit.
    int questionNumber() const { return questionNumber_; }
    const CoefficientBox& box(int j) const;
    int selectedBox() const { return selectedBox_; }
    bool isSolved() const { return solved_; }
    bool countsShown() const { return countsShown_; }
    // The table's element rows, and their totals for the boxes as they stand.
    const QStringList& tableRows() const { return tableRows_; }
    std::vector<AtomRow> totals() const;

private:
    practice::Outcome outcome(const QString& banner = {}) const;
    CoefficientBox& boxAt(int j) { return boxes_[static_cast<std::size_t>(j)]; }
    // The face a box shows when it is not selected.
    static BoxFace restingFace(const CoefficientBox& b);

    CoefficientData data_;
    util::RecentMemory& recent_;
    const util::Clock& clock_;
    util::RandomSource& random_;

    int currentProblem_ = 0;
    int questionNumber_ = 0;
    std::array<CoefficientBox, maxBoxes + 1> boxes_{}; // boxes 1..6; 0 stays empty
    int selectedBox_ = 0;                              // 0 for none
    bool solved_ = false;
    bool countsShown_ = false;
    QStringList tableRows_;
};

} // namespace coefficient
