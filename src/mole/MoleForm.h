#pragma once

#include "calculator/Calculator.h"
#include "practice/PracticeScreen.h"

namespace calculator {
class CalculatorPanel;
}

namespace mole {

// モル: the practice screen "モル量の計算".
class MoleForm : public practice::PracticeScreen {
    Q_OBJECT
public:
    explicit MoleForm(shell::Navigator& navigator);

    const calculator::Calculator& calculator() const { return calculator_; }

protected:
    void start() override;
    void judgeClicked() override {}
    void nextClicked() override {}
    void draw(const practice::Outcome&) override {}

private:
    void resetCalculator();

    calculator::Calculator calculator_;
    calculator::CalculatorPanel* calculatorPanel_;
};

} // namespace mole
