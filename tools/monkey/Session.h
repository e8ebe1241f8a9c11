#pragma once

#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/RandomSource.h"

#include <QStringList>

#include <cstdint>

namespace util {
class Clock;
}

namespace monkey {

// One run of the program as the driver starts it: fresh program-wide state,
// the driver's clock, a seeded random source and the real navigator over
// every screen. A data error is recorded instead of shown in a message box
// (whose own event loop would stop the driver), and the end of the program
// is a flag the driver reads to start the next run.
class Session {
public:
    Session(const util::Clock& clock, std::uint64_t randomSeed, const QString& basePath);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    shell::Navigator& navigator() { return navigator_; }
    const shell::Navigator& navigator() const { return navigator_; }
    bool ended() const { return ended_; }
    // Messages the program would have shown in a message box.
    const QStringList& errors() const { return errors_; }

    // A window was closed from its frame in this run: the practice screen
    // under a reference screen may then be gone while the reference stays.
    void noteFrameClose() { frameClosed_ = true; }
    bool frameClosed() const { return frameClosed_; }

    // Runs deferred deletions and zero-time timers, as the event loop would.
    static void settle();

private:
    shell::ProgramState state_;
    util::MixingRandom random_;
    shell::Navigator navigator_;
    QStringList errors_;
    bool ended_ = false;
    bool frameClosed_ = false;
};

} // namespace monkey
