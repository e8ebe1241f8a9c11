#pragma once

#include <QAbstractNativeEventFilter>

#include <cstdint>
#include <set>

namespace shell {

// Notices a screen's window destroyed from outside the program (a tool or a
// window manager destroying it rather than asking it to close). Qt keeps such
// a widget "visible" with no window behind it, so the learner would be left
// with a running program and nothing on screen. The watch closes the screen
// the usual way instead, so the navigator shows what remains or ends the
// program, and it silences the X errors Qt then gets for the vanished window.
class WindowDestroyWatch : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    void closeWindowOf(std::uint32_t nativeId);

    std::set<std::uint32_t> destroyed_;
};

// Installs one watch for the application's lifetime (X11 only; elsewhere a
// no-op).
void watchWindowsDestroyedFromOutside();

} // namespace shell
