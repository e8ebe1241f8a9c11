#pragma once

#include <QWidget>

namespace widgets {
class ImageBox;
}
namespace widgets {
class TextLabel;
}

namespace calculator {

class Calculator;

// Frame1: the calculator as the mole and reaction screens show it, at the
// right of the screen. The body picture Image1, the display Label1, the
// memory mark Image3 and the twenty keys command6_0 … command6_19. Worked by
// mouse only; each click goes to the Calculator and the panel redraws from
// its state.
class CalculatorPanel : public QWidget {
    Q_OBJECT
public:
    CalculatorPanel(QWidget* parent, Calculator& calculator);

    // Shows the calculator's display and memory mark; the host screen calls it
    // after resetting the calculator.
    void refresh();

private:
    void keyClicked(int key);

    Calculator& calculator_;
    widgets::TextLabel* display_;
    widgets::ImageBox* memoryMark_;
};

} // namespace calculator
