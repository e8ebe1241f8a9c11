#include "ReactionForm.h"

#include "calculator/CalculatorPanel.h"

namespace reaction {

ReactionForm::ReactionForm(shell::Navigator& navigator)
    : PracticeScreen(navigator, practice::reactionScreen()),
      calculatorPanel_(new calculator::CalculatorPanel(this, calculator_)) {}

void ReactionForm::start() {
    resetCalculator();
}

void ReactionForm::resetCalculator() {
    calculator_.resetCalculator();
    calculatorPanel_->refresh();
}

} // namespace reaction
