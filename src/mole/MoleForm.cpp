#include "MoleForm.h"

#include "calculator/CalculatorPanel.h"

namespace mole {

MoleForm::MoleForm(shell::Navigator& navigator)
    : PracticeScreen(navigator, practice::moleScreen()),
      calculatorPanel_(new calculator::CalculatorPanel(this, calculator_)) {}

void MoleForm::start() {
    resetCalculator();
}

void MoleForm::resetCalculator() {
    calculator_.resetCalculator();
    calculatorPanel_->refresh();
}

} // namespace mole
