#pragma once

#include "Outcome.h"
#include "PracticeLayout.h"
#include "shell/FormWindow.h"

namespace practice {

class PracticeChrome;

// The skeleton of every practice screen: the window with its caption and
// size, the shared elements of PracticeChrome built from the screen's
// description, the reference button, and the one place where an outcome of
// the rules is applied. A screen class adds its own controls in its
// constructor, poses its first question in start(), answers judge and 次,
// and redraws its controls in draw().
class PracticeScreen : public shell::FormWindow {
    Q_OBJECT
public:
    PracticeScreen(shell::Navigator& navigator, const PracticeScreenInfo& info);

    // Lays the banner and legend over the screen's own controls, then start().
    void load() final;

    PracticeChrome& chrome() { return *chrome_; }
    const PracticeScreenInfo& info() const { return info_; }

protected:
    // Reads the data files (a DataError goes to the navigator) and poses the
    // first question, applying the outcome.
    virtual void start() = 0;
    virtual void judgeClicked() = 0;
    virtual void nextClicked() = 0;
    // Opens the reference screen over this one.
    virtual void referenceClicked();
    // Redraws the screen's own controls from the rules' state.
    virtual void draw(const Outcome& outcome) = 0;

    // The shared elements take the outcome first, then the screen draws.
    void apply(const Outcome& outcome);

private:
    const PracticeScreenInfo& info_;
    PracticeChrome* chrome_;
};

} // namespace practice
