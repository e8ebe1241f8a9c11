#pragma once

#include <QString>

namespace calculator {

// The on-screen calculator shared by the mole and reaction screens: four
// functions, one memory, a ten-character display. Numbers stay text while
// they are typed and between operations; they become doubles only for the
// arithmetic. Knows nothing of widgets: a panel forwards the key clicks and
// draws displayText() and memoryMarkShown().
class Calculator {
public:
    // Key indexes, as the panel's keys command6_0 … command6_19 carry them.
    enum Key : int {
        Digit0 = 0, // Digit0 … Digit9 are 0 … 9
        Point = 10,
        ClearAll = 11,
        ClearEntry = 12,
        Minus = 13,
        Divide = 14,
        Times = 15,
        Plus = 16,
        Equals = 17,
        Store = 18,
        Recall = 19,
    };
    static constexpr int keyCount = 20;

    // One key click; indexes outside 0 … 19 do nothing.
    void pressKey(int key);
    // The screen's reset at load and after every transfer: clears the
    // operation and the entry, keeps the memory.
    void resetCalculator();

    // The typed text or the formatted result; may be empty, longer than ten
    // characters or written with an exponent while the display shows "E".
    const QString& entryText() const { return entryText_; }
    const QString& displayText() const { return display_; }
    bool memoryMarkShown() const { return !memoryText_.isEmpty(); }
    // The last computed value; it survives AC and reset.
    double result() const { return result_; }

private:
    enum class Op { None, Add, Subtract, Multiply, Divide, Equals };

    void digit(int d);
    void point();
    void operatorKey(Op op);
    // Computes the pending operation into entryText_, or sets the error
    // entry when there is no usable result.
    void compute();
    void setError();
    void store();
    void recall();
    void clearAll();
    void clearEntry();
    void refreshDisplay();

    QString entryText_;
    QString firstOperandText_;
    Op keyOperator_ = Op::None;     // the last operator key; a digit clears it after equals
    Op pendingOperator_ = Op::None; // waits for its right operand
    bool operatorJustPressed_ = false;
    QString memoryText_; // empty: nothing stored
    bool memoryJustStored_ = false;
    QString lastValueText_; // what M stores
    double firstOperand_ = 0;
    double secondOperand_ = 0;
    double result_ = 0;
    QString display_ = QStringLiteral("0");
};

} // namespace calculator
