#include "ReactionPractice.h"

#include "ReactionValues.h"
#include "calculator/AnswerTransfer.h"
#include "practice/QuestionDraw.h"
#include "util/Clock.h"
#include "util/NumberFormat.h"
#include "util/RandomSource.h"
#include "util/RecentMemory.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace reaction {

using calculator::AnswerFrame;
using calculator::TransferOutcome;
using practice::Outcome;
using util::numberValue;

namespace geometry = reactionGeometry;

namespace {
const QString chooseCellFirst = QStringLiteral("解答欄を選択した後、実行して下さい");
const QString tooManyDigits = QStringLiteral("解答の桁数が大きすぎます");
constexpr double litresPerMole = 22.4;

// Right when either answer matches the entry, by value or as text.
bool accepts(const ReactionCell& cell) {
    return numberValue(cell.answerRounded) == numberValue(cell.entry) ||
           numberValue(cell.answerExact) == numberValue(cell.entry) ||
           cell.answerExact == cell.entry || cell.answerRounded == cell.entry;
}
} // namespace

ReactionPractice::ReactionPractice(ReactionData data, util::RecentMemory& questions,
                                   util::RecentMemory& reactions, const util::Clock& clock,
                                   util::RandomSource& random)
    : data_(std::move(data)), questions_(questions), reactions_(reactions), clock_(clock),
      random_(random) {}

ReactionQuestion ReactionPractice::questionEntry(int q) {
    if (q < 1 || q > questionCount)
        throw std::out_of_range("reaction question out of range");
    return {(q - 1) / 3 + 1, (q - 1) % 3 + 1};
}

std::size_t ReactionPractice::checkedCell(int c) {
    if (c < 0 || c > cellCount)
        throw std::out_of_range("reaction cell out of range");
    return static_cast<std::size_t>(c);
}

bool ReactionPractice::cellUsed(int c) const {
    return c >= 1 && c <= cellCount && geometry::columnOf(c) <= shownSubstanceCount();
}

void ReactionPractice::resetTable() {
    previousCell_ = 0;
    selectedCell_ = 0;
    allCorrect_ = false;
    cells_.fill(ReactionCell());
}

Outcome ReactionPractice::drawQuestion() {
    resetTable();
    const int q = practice::drawQuestion(questionCount, clock_, random_, [this](int k) {
        return !reactions_.inUse(questionEntry(k).reaction) && !questions_.inUse(k);
    });
    questionIndex_ = q;
    currentReaction_ = questionEntry(q).reaction;
    recordQuestion(q, currentReaction_);
    ++questionNumber_;
    generateValues();
    Outcome result = outcome();
    result.newQuestion = true;
    return result;
}

void ReactionPractice::recordQuestion(int q, int r) {
    questions_.accept(q);
    reactions_.accept(r);
}

void ReactionPractice::generateValues() {
    const ReactionEntry& entry = currentEntry();
    const int n = entry.substanceCount;
    const int givenColumn = std::clamp(static_cast<int>(std::floor(random_.next() * n)) + 1, 1, n);
    const int givenRow = questionEntry(questionIndex_).kind;

    // The amounts are drawn afresh from the clock, apart from the question.
    random_.reseed(clock_.timeOfDay());
    const UnitAmounts amounts = unitAmounts(amountDraw(random_.next()));
    unitAmount_ = amounts.rounded;
    unitAmountExact_ = amounts.exact;

    for (int i = 1; i <= n; ++i) {
        const int c = entry.coefficient[static_cast<std::size_t>(i)];
        // Single precision, as the factors have always been kept.
        const float massFactor = static_cast<float>(
            c * double(data_.molarMassOf(entry.substanceNo[static_cast<std::size_t>(i)])));
        const float volumeFactor = static_cast<float>(c * litresPerMole);
        const double factors[rowCount] = {double(c), double(volumeFactor), double(massFactor)};
        for (int row = 1; row <= rowCount; ++row) {
            ReactionCell& cell = at(geometry::cellIndex(i, row));
            const double factor = factors[row - 1];
            cell.answerRounded = formatTenth(factor * unitAmount_);
            cell.answerExact = formatTenth(factor * unitAmountExact_);
            // Either answer is right, so the box must take the longer of the two.
            cell.answerLength =
                static_cast<int>(std::max(cell.answerRounded.size(), cell.answerExact.size()));
        }
    }
    ReactionCell& given = at(geometry::cellIndex(givenColumn, givenRow));
    given.given = true;
    given.frame = AnswerFrame::Given;
    given.entry = given.answerRounded;
}

Outcome ReactionPractice::next() {
    if (!allCorrect_)
        return outcome();
    return drawQuestion();
}

Outcome ReactionPractice::selectCell(int c) {
    if (!cellUsed(c))
        return outcome();
    ReactionCell& chosen = at(c);
    if (chosen.given || chosen.correct)
        return outcome();
    selectedCell_ = c;
    chosen.frame = AnswerFrame::Chosen;
    if (previousCell_ != 0 && previousCell_ != c && !at(previousCell_).correct)
        at(previousCell_).frame = AnswerFrame::Open; // a wrong mark goes; the entry stays
    previousCell_ = c;
    return outcome();
}

TransferOutcome ReactionPractice::transferAnswer(const QString& entry) {
    if (allCorrect_)
        return {outcome(), false};
    if (selectedCell_ == 0)
        return {outcome(chooseCellFirst), false};
    ReactionCell& target = at(selectedCell_);
    const calculator::TransferResult result =
        calculator::transferAnswer(entry, false, target.answerLength);
    if (result.tooLong)
        return {outcome(tooManyDigits), true};
    target.entry = result.text;
    return {outcome(), true};
}

Outcome ReactionPractice::deleteValue() {
    if (allCorrect_)
        return outcome();
    if (selectedCell_ == 0)
        return outcome(chooseCellFirst);
    at(selectedCell_).entry.clear();
    return outcome();
}

Outcome ReactionPractice::judgeTable() {
    if (allCorrect_)
        return outcome();
    Outcome result;
    bool open = false;
    previousCell_ = 0;
    selectedCell_ = 0;
    for (int c = 1; c <= cellCount; ++c) {
        ReactionCell& cell = at(c);
        if (!cellUsed(c) || cell.given || cell.correct)
            continue;
        if (cell.entry.isEmpty()) {
            cell.frame = AnswerFrame::Open;
            open = true;
            continue;
        }
        result.showMark = true;
        if (accepts(cell)) {
            cell.correct = true;
            cell.frame = AnswerFrame::Correct;
            ++result.newlyCorrect;
        } else {
            cell.frame = AnswerFrame::Wrong;
            open = true;
        }
    }
    allCorrect_ = !open;
    result.complete = allCorrect_;
    return result;
}

Outcome ReactionPractice::outcome(const QString& banner) const {
    Outcome result;
    result.banner = banner;
    result.complete = allCorrect_;
    return result;
}

} // namespace reaction
