#pragma once

#include "shell/ScreenId.h"

#include <QPointer>
#include <QString>

#include <map>
#include <vector>

namespace shell {
class FormWindow;
}

namespace monkey {

class Session;

// What must hold after every event, whatever the learner clicked: exactly one
// of the menu and the practice screens loaded and shown (a reference screen
// only over its own practice screen), no window but the loaded ones on the
// screen, no message box, a score that never goes down or wraps within a
// visit, and every number box holding a number or the beginning of one.
// Also counts what the run reached, for the summary.
class Watch {
public:
    // Empty when everything holds, else what broke.
    QString check(const Session& session);
    // After the program ended: nothing may stay on the screen.
    QString checkEnded(const Session& session) const;

    // Visits by screen, in the order of the screen ids.
    const std::map<shell::ScreenId, int>& visits() const { return visits_; }
    // Questions or sets finished: the 次 button came up.
    int completed() const { return completed_; }

private:
    struct Visit {
        QPointer<shell::FormWindow> window;
        int score = 0;
        bool nextShown = false;
    };

    Visit& visitOf(shell::FormWindow* window);
    QString checkPractice(shell::FormWindow* window);

    std::vector<Visit> open_;
    std::map<shell::ScreenId, int> visits_;
    int completed_ = 0;
};

// The form name of a screen, for messages.
QString screenName(shell::ScreenId id);

} // namespace monkey
