#pragma once

#include <QString>

#include <deque>

namespace shell {
class FormWindow;
}

namespace monkey {

// One step of a planned answer: a click on a named control of the screen, or
// a pause long enough for the 正/誤 legend to give the judge button back.
struct PlanStep {
    enum class Kind { Click, Pause } kind = Kind::Click;
    QString control; // object name, found anywhere in the window
};

// The clicks a learner who knows the answers makes on a practice screen to
// answer its open items and ask for a judgement, read from the screen's rules.
// Random clicks alone rarely answer a question; this lets the run reach 次
// and the next question. Empty for any other screen or a finished question.
std::deque<PlanStep> planAnswer(shell::FormWindow& window);

} // namespace monkey
