#pragma once

#include <QObject>

namespace shell {
class Navigator;
}

namespace app {

// Does, while the learner reads the menu, the work the first showing of a
// practice screen would otherwise do on the click: opening the font files
// and rasterising the glyphs of fixed captions, loading the GIF decoder, and
// painting each practice screen once, unseen and without its load step, so
// that every font, fallback and glyph its controls draw with is ready. One
// step per turn of the event loop, so a click on the menu waits at most for
// one step. The caches it fills are the process's, so it runs once a process.
class ScreenWarmUp : public QObject {
    Q_OBJECT
public:
    // Starts a warm-up owned by the navigator, the first time in the process;
    // later calls do nothing.
    static void startOnce(shell::Navigator& navigator);

    // A child of the navigator, which outlives every screen: the steps go on
    // after the menu is unloaded. Deletes itself after the last step.
    explicit ScreenWarmUp(shell::Navigator& navigator);
    // Queues the first step behind whatever the event loop has now.
    void start();

private:
    void step();

    shell::Navigator& navigator_;
    int next_ = 0;
};

} // namespace app
