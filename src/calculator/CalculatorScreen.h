#pragma once

#include "AnswerTransfer.h"
#include "Calculator.h"
#include "practice/PracticeScreen.h"

namespace calculator {

class CalculatorPanel;

// A practice screen worked with the on-screen calculator: the mole and
// reaction screens. Besides what every practice screen has, it owns the
// calculator with its panel, 解答転送 (transfer the entry into the chosen
// answer box) and 数値削除 (empty the chosen box), and draws its judge button
// blue like its other buttons. A screen class adds its question and answer
// boxes and hands the two buttons to its rules.
class CalculatorScreen : public practice::PracticeScreen {
    Q_OBJECT
public:
    CalculatorScreen(shell::Navigator& navigator, const practice::PracticeScreenInfo& info);

    const Calculator& calculator() const { return calculator_; }

protected:
    // The rules' answer to 解答転送 with the calculator's entry.
    virtual TransferOutcome transferEntry(const QString& entry) = 0;
    virtual void deleteClicked() = 0;

    // Clears the calculator's operation and entry and shows it.
    void resetCalculator();

private:
    void transferClicked();

    Calculator calculator_;
    CalculatorPanel* panel_;
};

} // namespace calculator
