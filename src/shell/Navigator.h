#pragma once

#include "ScreenId.h"

#include <QObject>

#include <functional>
#include <map>

namespace util {
class Clock;
}
namespace util {
class DataError;
}
namespace util {
class RandomSource;
}

namespace shell {

class FormWindow;
struct ProgramState;

// Moves the learner between screens: show creates a screen that is not loaded
// and runs its load step, unload closes and discards one, and when no screen
// is left the program ends. Also hands every screen the program-wide state,
// the clock and the random source. A screen whose data cannot be read is
// never shown: the learner gets one message naming the file and the menu.
class Navigator : public QObject {
    Q_OBJECT
public:
    using Factory = std::function<FormWindow*(Navigator&, ScreenId)>;
    using ErrorReporter = std::function<void(const util::DataError&)>;

    // factory makes the screen of an id; the program passes the one that knows every screen.
    Navigator(ProgramState& state, const util::Clock& clock, util::RandomSource& random,
              Factory factory);
    ~Navigator() override;

    // Returns the shown screen, or nullptr when its load step failed.
    FormWindow* show(ScreenId id);
    void unload(ScreenId id);
    void endProgram();

    FormWindow* loaded(ScreenId id) const;
    bool isLoaded(ScreenId id) const { return loaded(id) != nullptr; }
    bool hasEnded() const { return ended_; }

    ProgramState& state() { return state_; }
    const util::Clock& clock() const { return clock_; }
    util::RandomSource& random() { return random_; }

    void setFactory(Factory factory) { factory_ = std::move(factory); }
    void setErrorReporter(ErrorReporter reporter) { reportError_ = std::move(reporter); }
    void setQuitHandler(std::function<void()> quit) { quit_ = std::move(quit); }

    // Called by a window that is closing, through a button or its frame.
    void forget(FormWindow* window);

private:
    void endIfNothingLoaded();
    FormWindow* backToMenuAfter(ScreenId failed, const util::DataError& error);

    ProgramState& state_;
    const util::Clock& clock_;
    util::RandomSource& random_;
    std::map<ScreenId, FormWindow*> screens_;
    Factory factory_;
    ErrorReporter reportError_;
    std::function<void()> quit_;
    bool ended_ = false;
};

} // namespace shell
