#include "MolePractice.h"

#include "calculator/AnswerTransfer.h"
#include "practice/QuestionDraw.h"
#include "util/Clock.h"
#include "util/NumberFormat.h"
#include "util/RandomSource.h"
#include "util/RecentMemory.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace mole {

using calculator::AnswerFrame;
using calculator::TransferOutcome;
using practice::Outcome;
using util::numberValue;

namespace {
const QString chooseBoxFirst = QStringLiteral("解答欄を選択した後、実行して下さい");
const QString tooManyDigits = QStringLiteral("解答の桁数が大きすぎます");
} // namespace

MolePractice::MolePractice(MoleData data, util::RecentMemory& questions,
                           util::RecentMemory& substances, const util::Clock& clock,
                           util::RandomSource& random)
    : data_(std::move(data)), questions_(questions), substances_(substances), clock_(clock),
      random_(random) {}

std::size_t MolePractice::checkedBox(int b) {
    if (b < 1 || b > boxCount)
        throw std::out_of_range("mole answer box out of range");
    return static_cast<std::size_t>(b);
}

const AnswerBox& MolePractice::box(int b) const {
    return boxes_[checkedBox(b)];
}

AnswerBox& MolePractice::boxAt(int b) {
    return boxes_[checkedBox(b)];
}

Outcome MolePractice::outcome(const QString& banner) const {
    Outcome result;
    result.banner = banner;
    result.complete = complete_;
    return result;
}

void MolePractice::resetQuestion() {
    selectedBox_ = 0;
    previousBox_ = 0;
    complete_ = false;
    boxes_.fill(AnswerBox());
    answers_ = MoleAnswers();
}

Outcome MolePractice::startQuestion() {
    resetQuestion();
    questionIndex_ = practice::drawQuestion(questionCount, clock_, random_, [this](int q) {
        return !questions_.inUse(q) && !substances_.inUse(substanceOf(q));
    });
    questions_.accept(questionIndex_);
    substances_.accept(currentSubstance());
    ++questionNumber_;

    // The amount is drawn afresh from the clock, apart from the question.
    random_.reseed(clock_.timeOfDay());
    const int n = std::clamp(static_cast<int>(std::floor(random_.next() * 100)), 1, 99);
    answers_ = generateValues(data_.molarMass(currentSubstance()), n);
    const int kind = kindOf(questionIndex_);
    for (int b = 1; b <= boxCount; ++b) {
        AnswerBox& given = boxAt(b);
        given.given = boxGiven(kind, b);
        if (given.given) {
            given.text = answers_.rounded[static_cast<std::size_t>(b)];
            given.frame = AnswerFrame::Given;
        }
    }
    Outcome result = outcome();
    result.newQuestion = true;
    return result;
}

Outcome MolePractice::nextQuestion() {
    if (!complete_)
        return outcome();
    return startQuestion();
}

Outcome MolePractice::selectBox(int b) {
    AnswerBox& chosen = boxAt(b);
    if (chosen.given || chosen.correct)
        return outcome();
    selectedBox_ = b;
    chosen.frame = AnswerFrame::Chosen;
    if (previousBox_ != 0 && previousBox_ != b && !boxAt(previousBox_).correct)
        boxAt(previousBox_).frame = AnswerFrame::Open;
    previousBox_ = b;
    return outcome();
}

TransferOutcome MolePractice::transferAnswer(const QString& entry) {
    if (complete_)
        return {outcome(), false};
    if (selectedBox_ == 0)
        return {outcome(chooseBoxFirst), false};
    AnswerBox& target = boxAt(selectedBox_);
    if (target.correct)
        return {outcome(), false};
    const calculator::TransferResult t = calculator::transferAnswer(
        entry, selectedBox_ == powerBox, answers_.maxLength(selectedBox_));
    if (t.tooLong)
        return {outcome(tooManyDigits), true};
    target.text = t.text;
    return {outcome(), true};
}

Outcome MolePractice::deleteEntry() {
    if (complete_)
        return outcome();
    if (selectedBox_ == 0)
        return outcome(chooseBoxFirst);
    AnswerBox& target = boxAt(selectedBox_);
    if (!target.correct)
        target.text.clear();
    return outcome();
}

bool MolePractice::accepts(int b, const QString& text) const {
    const QString& rounded = answers_.rounded[static_cast<std::size_t>(b)];
    const QString& exact = answers_.exact[static_cast<std::size_t>(b)];
    const double v = numberValue(text);
    return numberValue(rounded) == v || numberValue(exact) == v || text == rounded || text == exact;
}

Outcome MolePractice::judgeAnswers() {
    if (complete_)
        return outcome();
    bool open = false;
    Outcome result;
    selectedBox_ = 0;
    previousBox_ = 0;
    for (int b = 1; b <= boxCount; ++b) {
        AnswerBox& box = boxAt(b);
        if (box.given || box.correct)
            continue;
        if (box.text.isEmpty()) {
            box.frame = AnswerFrame::Open;
            open = true;
            continue;
        }
        result.showMark = true;
        if (accepts(b, box.text)) {
            box.correct = true;
            box.frame = AnswerFrame::Correct;
            ++result.newlyCorrect;
        } else {
            box.frame = AnswerFrame::Wrong;
            open = true;
        }
    }
    complete_ = !open;
    result.complete = complete_;
    return result;
}

} // namespace mole
