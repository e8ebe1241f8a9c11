#pragma once

#include "MoleAnswers.h"
#include "MolePractice.h"
#include "calculator/CalculatorScreen.h"

#include <array>
#include <memory>

namespace widgets {
class ImageBox;
class TextLabel;
} // namespace widgets

namespace mole {

// モル: the practice screen "モル量の計算". One substance and one of its four
// quantities are given; the learner works the other three out on the
// calculator and transfers them into the answer boxes. The screen only draws
// the state of its MolePractice and passes each click on to it.
class MoleForm : public calculator::CalculatorScreen {
    Q_OBJECT
public:
    explicit MoleForm(shell::Navigator& navigator);
    ~MoleForm() override;

    const MolePractice& practice() const { return *practice_; }

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
    struct Box {
        widgets::ImageBox* frame; // Image9_b
        widgets::TextLabel* text; // Label2_b
    };

    void buildQuestion();
    void buildBoxes();

    // One handler per event.
    void boxClicked(int b);
    void drawBox(int b);

    widgets::ImageBox* strip_;          // Image5
    widgets::TextLabel* number_;        // Label3
    std::array<Box, boxCount> boxes_{}; // boxes 1..5
    std::unique_ptr<MolePractice> practice_;
};

} // namespace mole
