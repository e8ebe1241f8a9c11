#pragma once

#include "MoleAnswers.h"
#include "MoleData.h"
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

namespace mole {

struct AnswerBox {
    bool given = false;   // shows the question's given value (yellow)
    bool correct = false; // judged correct: locked and green
    QString text;         // what the box shows: the given value or the learner's answer
    calculator::AnswerFrame frame = calculator::AnswerFrame::Open;
};

// The rules of the mole exercise モル: 80 questions (20 substances × 4 kinds
// of given value), drawn avoiding the recent questions and substances of the
// whole run; the answer boxes chosen, filled from the calculator, emptied and
// judged. No widget: the screen passes each click on and draws the boxes.
class MolePractice {
public:
    static constexpr int kindCount = 4;
    static constexpr int questionCount = MoleData::substanceCount * kindCount;

    // questions, substances: the program-wide memories, which outlive this object.
    MolePractice(MoleData data, util::RecentMemory& questions, util::RecentMemory& substances,
                 const util::Clock& clock, util::RandomSource& random);

    // Draws and shows a new question; the load step.
    practice::Outcome startQuestion();
    // 次: the next question, once every box is correct.
    practice::Outcome nextQuestion();
    // A click on box b's frame or text, 1..5.
    practice::Outcome selectBox(int b);
    // 解答転送: the calculator's entry into the selected box.
    calculator::TransferOutcome transferAnswer(const QString& entry);
    // 数値削除: the selected box is emptied.
    practice::Outcome deleteEntry();
    // 解答判定: every filled open box is judged.
    practice::Outcome judgeAnswers();

    static int substanceOf(int question) { return (question - 1) / kindCount + 1; }
    static int kindOf(int question) { return (question - 1) % kindCount + 1; }

    const AnswerBox& box(int b) const;
    int selectedBox() const { return selectedBox_; }
    int questionIndex() const { return questionIndex_; }
    int questionNumber() const { return questionNumber_; }
    int currentSubstance() const { return substanceOf(questionIndex_); }
    const MoleAnswers& answers() const { return answers_; }
    const MoleData& data() const { return data_; }
    bool isComplete() const { return complete_; }

private:
    practice::Outcome outcome(const QString& banner = {}) const;
    // Box b's slot; anything outside 1..5 is a fault of the caller.
    static std::size_t checkedBox(int b);
    AnswerBox& boxAt(int b);
    void resetQuestion();
    bool accepts(int b, const QString& text) const;

    MoleData data_;
    util::RecentMemory& questions_;
    util::RecentMemory& substances_;
    const util::Clock& clock_;
    util::RandomSource& random_;

    std::array<AnswerBox, boxCount + 1> boxes_; // boxes 1..5; slot 0 unused
    MoleAnswers answers_;
    int questionIndex_ = 0;  // 1..80
    int questionNumber_ = 0; // questions shown since the screen loaded
    int selectedBox_ = 0;    // 0 for none
    int previousBox_ = 0;    // the box chosen last, whose blue goes when another is chosen
    bool complete_ = false;  // every box correct: only 次 leads on
};

} // namespace mole
