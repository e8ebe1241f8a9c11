#pragma once

#include <QString>

namespace practice {

// What one learner action asks of the elements every practice screen shares.
// Each exercise's rules return one from every action; the screen applies it
// in one place (PracticeScreen::apply) and then redraws its own controls from
// the rules' state. `complete` is the rules' completion flag as it stands
// after the action: the 次 button shows it and keeps no flag of its own.
struct Outcome {
    QString banner;           // show this message when not empty
    bool showMark = false;    // the 正/誤 legend stands in for the judge button
    int newlyCorrect = 0;     // items judged correct just now: 10 points each
    bool complete = false;    // every item is correct: 次 is offered
    bool newQuestion = false; // a new question (or set) has been posed
};

} // namespace practice
