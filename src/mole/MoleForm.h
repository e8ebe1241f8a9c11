#pragma once

#include "Calculator.h"
#include "app/FormWindow.h"

class CalculatorPanel;
class PracticeChrome;

// モル: the practice screen "モル量の計算".
class MoleForm : public FormWindow {
    Q_OBJECT
public:
    explicit MoleForm(Navigator& navigator);

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
