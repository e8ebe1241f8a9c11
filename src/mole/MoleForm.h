#pragma once

#include "calculator/Calculator.h"
#include "shell/FormWindow.h"

namespace calculator {
class CalculatorPanel;
}
namespace practice {
class PracticeChrome;
}

namespace mole {

// モル: the practice screen "モル量の計算".
class MoleForm : public shell::FormWindow {
    Q_OBJECT
public:
    explicit MoleForm(shell::Navigator& navigator);

    void load() override;

    practice::PracticeChrome& chrome() { return *chrome_; }
    const calculator::Calculator& calculator() const { return calculator_; }

private:
    void openReference();
    void resetCalculator();

    calculator::Calculator calculator_;
    practice::PracticeChrome* chrome_;
    calculator::CalculatorPanel* calculatorPanel_;
};

} // namespace mole
