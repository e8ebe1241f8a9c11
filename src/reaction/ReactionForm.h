#pragma once

#include "ReactionPractice.h"
#include "calculator/CalculatorScreen.h"

#include <array>
#include <memory>

namespace widgets {
class ImageBox;
class TextLabel;
} // namespace widgets

namespace reaction {

// 反応量: the practice screen "化学反応の量". The learner fills the moles,
// volumes and masses of a reaction's substances from one given value, with
// the calculator. The screen only draws the state of its ReactionPractice
// and passes each click on to it.
class ReactionForm : public calculator::CalculatorScreen {
    Q_OBJECT
public:
    explicit ReactionForm(shell::Navigator& navigator);
    ~ReactionForm() override;

    const ReactionPractice& practice() const { return *practice_; }

protected:
    // Reads the data files (a DataError goes to the navigator), resets the
    // calculator and poses the first question.
    void start() override;
    void judgeClicked() override;
    void nextClicked() override;
    void draw(const practice::Outcome& outcome) override;
    calculator::TransferOutcome transferEntry(const QString& entry) override;
    void deleteClicked() override;

private:
    void buildPictures();
    void buildTable();

    // One handler per event.
    void cellClicked(int c);

    void drawQuestion();
    void drawCell(int c);
    QString material(const QString& relativePath);

    widgets::TextLabel* questionNumber_ = nullptr;                          // Label3
    widgets::ImageBox* equation_ = nullptr;                                 // Image10
    widgets::ImageBox* table_ = nullptr;                                    // Image4
    std::array<widgets::ImageBox*, ReactionPractice::columnCount> names_{}; // Image11_1..4
    std::array<widgets::ImageBox*, ReactionPractice::cellCount> frames_{};  // Image9_1..12
    std::array<widgets::TextLabel*, ReactionPractice::cellCount> labels_{}; // Label2_1..12
    std::unique_ptr<ReactionPractice> practice_;
};

} // namespace reaction
