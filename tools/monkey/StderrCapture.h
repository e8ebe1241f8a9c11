#pragma once

#include <QByteArray>
#include <QStringList>

namespace monkey {

// Everything the program writes to stderr, caught for the checks: file
// descriptor 2 goes into a pipe that is drained after every event, and Qt's
// messages come through a handler. The driver's own messages, sanitizer
// reports and a crash's last words go to the real stderr, so nothing is lost
// when the process dies. One instance per process.
class StderrCapture {
public:
    StderrCapture();
    ~StderrCapture();
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;

    // What reached fd 2 since the last call, whole lines and all.
    QByteArray takeWritten();
    // Qt messages since the last call, one line each ("warning: …").
    QStringList takeMessages();

    // Writes to the terminal's stderr, past the capture.
    static void toRealStderr(const QByteArray& text);
};

} // namespace monkey
