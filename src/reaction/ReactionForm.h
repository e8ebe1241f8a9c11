#pragma once

#include "app/FormWindow.h"
#include "mole/Calculator.h"

class CalculatorPanel;
class PracticeChrome;

// 反応量: the practice screen "化学反応の量".
class ReactionForm : public FormWindow {
    Q_OBJECT
public:
    explicit ReactionForm(Navigator& navigator);

    void load() override;

    PracticeChrome& chrome() { return *chrome_; }
    const Calculator& calculator() const { return calculator_; }

private:
    void openReference();
    void resetCalculator();

    Calculator calculator_;
    PracticeChrome* chrome_;
    CalculatorPanel* calculatorPanel_;
};
