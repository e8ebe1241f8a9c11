#pragma once

#include "ReactionData.h"
#include "ReactionGeometry.h"
#include "calculator/AnswerFrame.h"
#include "calculator/AnswerTransfer.h"
#include "practice/Outcome.h"

#include <QString>

#include <array>

namespace util {
class Clock;
class RandomSource;
class RecentMemory;
} // namespace util

namespace reaction {

// One cell of the quantity table.
struct ReactionCell {
    bool given = false;
    bool correct = false;
    QString entry;         // what the cell shows: the learner's entry, or the given value
    QString answerRounded; // from the rounded unit amount
    QString answerExact;   // from the exact unit amount
    int answerLength = 0;  // the longest entry the cell takes
    calculator::AnswerFrame frame = calculator::AnswerFrame::Open;
};

// A question: which reaction, and which row holds the given value.
struct ReactionQuestion {
    int reaction = 0;
    int kind = 0; // 1 moles, 2 volume, 3 mass
};

// The rules of the reaction exercise 反応量: a reaction's table of moles,
// volumes and masses with one given cell, questions drawn away from the
// recent ones, cells chosen and filled from the calculator, deleted and
// judged. It holds no widget: the screen calls one method per learner action,
// applies the outcome and draws the table from the state.
class ReactionPractice {
public:
    static constexpr int questionCount = reactionCount * 3;
    static constexpr int columnCount = reactionGeometry::columnCount;
    static constexpr int rowCount = reactionGeometry::rowCount;
    static constexpr int cellCount = reactionGeometry::cellCount;

    // questions, reactions: the program-wide memories of asked questions and
    // reactions, which outlive this object.
    ReactionPractice(ReactionData data, util::RecentMemory& questions,
                     util::RecentMemory& reactions, const util::Clock& clock,
                     util::RandomSource& random);

    // Question q of the list, 1..39: reaction Int((q − 1) / 3) + 1, kind 1..3 in turn.
    static ReactionQuestion questionEntry(int q);

    // Clears the table and poses a question no recent one blocks; the load step.
    practice::Outcome drawQuestion();
    // 次: the next question, once every cell is correct.
    practice::Outcome next();
    // A click on cell c's frame or text, 1..12.
    practice::Outcome selectCell(int c);
    // 解答転送: the calculator's entry, to one decimal, into the chosen cell.
    // The calculator is reset after every attempt that reaches the cell.
    calculator::TransferOutcome transferAnswer(const QString& entry);
    // 数値削除: the chosen cell's entry goes.
    practice::Outcome deleteValue();
    // 解答判定: every filled cell not yet correct is judged.
    practice::Outcome judgeTable();

    const ReactionCell& cell(int c) const { return cells_.at(checkedCell(c)); }
    bool cellUsed(int c) const;
    int questionIndex() const { return questionIndex_; }
    int currentReaction() const { return currentReaction_; }
    const ReactionEntry& currentEntry() const { return data_.reaction(currentReaction_); }
    int shownSubstanceCount() const { return currentEntry().substanceCount; }
    int questionNumber() const { return questionNumber_; }
    int selectedCell() const { return selectedCell_; }
    bool isComplete() const { return allCorrect_; }
    double unitAmount() const { return unitAmount_; }
    double unitAmountExact() const { return unitAmountExact_; }
    const ReactionData& data() const { return data_; }

private:
    static std::size_t checkedCell(int c);
    ReactionCell& at(int c) { return cells_[checkedCell(c)]; }
    void resetTable();
    void recordQuestion(int q, int r);
    void generateValues();
    practice::Outcome outcome(const QString& banner = {}) const;

    ReactionData data_;
    util::RecentMemory& questions_;
    util::RecentMemory& reactions_;
    const util::Clock& clock_;
    util::RandomSource& random_;

    std::array<ReactionCell, cellCount + 1> cells_{}; // cells 1..12; 0 stays empty
    int questionIndex_ = 0;
    int currentReaction_ = 1;
    int questionNumber_ = 0; // questions shown since the screen was loaded
    double unitAmount_ = 0;
    double unitAmountExact_ = 0;
    int selectedCell_ = 0; // the cell transfer and delete act on, 0 for none
    int previousCell_ = 0; // the cell chosen last, 0 for none
    bool allCorrect_ = false;
};

} // namespace reaction
