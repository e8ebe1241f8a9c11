#pragma once

#include "AnswerPlan.h"
#include "Watch.h"
#include "util/Clock.h"

#include <QObject>
#include <QPointer>
#include <QStringList>

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <random>

class QWidget;

namespace shell {
class FormWindow;
}

namespace monkey {

class Session;
class StderrCapture;

// The monkey: uses the whole program at random, one learner action per
// event — a click on a control or on the background of the window on top,
// pointer moves, double and right clicks, a click on a window underneath, a
// window closed from its frame, time passing — and checks the Watch and the
// program's stderr after each. When the program ends it is started again.
// Everything follows from the seed: the clock is the driver's and every timer
// tick is sent by it, so a seed replays the same run.
class Monkey : public QObject {
    Q_OBJECT
public:
    Monkey(std::uint64_t seed, StderrCapture& capture, QString basePath);
    ~Monkey() override;

    // Runs up to `events` events; false at the first broken check, with
    // finding() and findingEvent() telling what and when.
    bool run(std::int64_t events);

    const QString& finding() const { return finding_; }
    std::int64_t findingEvent() const { return event_; }
    // The last actions before the finding, oldest first.
    QStringList recentActions() const { return {recent_.begin(), recent_.end()}; }
    // One line: events, program starts, visits, questions finished.
    QString summary() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void startProgram();
    void act();
    void clickControl(shell::FormWindow* window, bool doubleClick, Qt::MouseButton button);
    void clickBackground(shell::FormWindow* window);
    void clickUnderneath(shell::FormWindow* top);
    void wander(shell::FormWindow* window);
    void passTime();
    void followPlan(shell::FormWindow* window);
    void clickAt(shell::FormWindow* window, QPoint at, Qt::MouseButton button, bool doubleClick,
                 const QString& what);
    void tickTimers();
    QString checkStderr();
    void note(const QString& action);

    shell::FormWindow* topWindow() const;
    std::vector<shell::FormWindow*> shownWindows() const;
    double uniform(double from, double to);
    int below(int n);
    bool chance(double p) { return uniform(0, 1) < p; }

    std::mt19937_64 rng_;
    StderrCapture& capture_;
    QString basePath_;
    util::ManualClock clock_;
    std::unique_ptr<Session> session_;
    Watch watch_;

    std::deque<PlanStep> plan_;
    QPointer<shell::FormWindow> planWindow_;
    // Latest show or activation per window: the window on top is the latest.
    std::map<const QWidget*, std::uint64_t> raisedAt_;
    std::uint64_t raiseCount_ = 0;

    std::int64_t event_ = 0;
    int starts_ = 0;
    int missingPictures_ = 0;
    QString finding_;
    std::deque<QString> recent_;
};

} // namespace monkey
