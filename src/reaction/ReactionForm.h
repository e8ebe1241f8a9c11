#pragma once

#include "calculator/Calculator.h"
#include "practice/PracticeScreen.h"

namespace calculator {
class CalculatorPanel;
}

namespace reaction {

// 反応量: the practice screen "化学反応の量".
class ReactionForm : public practice::PracticeScreen {
    Q_OBJECT
public:
    explicit ReactionForm(shell::Navigator& navigator);

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

} // namespace reaction
