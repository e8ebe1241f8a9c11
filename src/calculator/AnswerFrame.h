#pragma once

#include <QChar>
#include <QString>

namespace calculator {

// The frame an answer box shows on the screens worked with the calculator,
// by the box's state. Each frame is a picture of its own colour.
enum class AnswerFrame {
    Open,    // w: not chosen
    Given,   // y: holds the question's given value
    Chosen,  // b: transfer and delete act on it
    Correct, // g: judged correct, locked
    Wrong,   // r: judged wrong at the last judgement
};

// The letter that names the frame's picture: w, y, b, g or r.
QChar frameLetter(AnswerFrame frame);

// The state in words, as a screen reader speaks it ("空欄" for an open box).
QString spokenState(AnswerFrame frame);

// What a box says to a screen reader after its role: its text, or its state
// while it has none.
QString spokenContent(AnswerFrame frame, const QString& text);

} // namespace calculator
