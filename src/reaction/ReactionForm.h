#pragma once

#include "calculator/Calculator.h"
#include "shell/FormWindow.h"

namespace calculator {
class CalculatorPanel;
}
namespace practice {
class PracticeChrome;
}

namespace reaction {

// 反応量: the practice screen "化学反応の量".
class ReactionForm : public shell::FormWindow {
    Q_OBJECT
public:
    explicit ReactionForm(shell::Navigator& navigator);

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

} // namespace reaction
