#include "Bench.h"
#include "app/ProgramSession.h"
#include "shell/FormWindow.h"
#include "util/DataError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>

using app::ProgramSession;
using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using util::DataError;

namespace {
// About the least time a learner takes to read the menu and click.
constexpr int menuReadingMs = 400;
} // namespace

void measureScreenSwitches(int runs) {
    struct Target {
        const char* name;
        ScreenId id;
    };
    const Target targets[] = {{"化学式", ScreenId::Formula},
                              {"係数", ScreenId::Coefficient},
                              {"モル", ScreenId::Mole},
                              {"反応量", ScreenId::Reaction}};
    ProgramSession session;
    Navigator& navigator = session.navigator;
    navigator.setQuitHandler([] {});
    bool failed = false;
    navigator.setErrorReporter([&failed](const DataError& e) {
        std::fprintf(stderr, "bench: %s\n", qUtf8Printable(e.message()));
        failed = true;
    });
    // As in the program: the menu is painted first, then the learner reads
    // it for a moment, while the event loop runs whatever the menu queued.
    // A 1 ms ticker shows the longest the loop was kept busy meanwhile: how
    // late a click on the menu could be answered.
    const QPixmap menu = navigator.show(ScreenId::Menu)->grab();
    Q_UNUSED(menu);
    QElapsedTimer sinceTick;
    double longestStall = 0;
    QTimer ticker;
    ticker.setTimerType(Qt::PreciseTimer);
    QObject::connect(&ticker, &QTimer::timeout, [&] {
        longestStall = std::max(longestStall, sinceTick.nsecsElapsed() / 1e6);
        sinceTick.restart();
    });
    sinceTick.start();
    ticker.start(1);
    QTest::qWait(menuReadingMs);
    ticker.stop();
    std::printf("menu shown, %d ms of idle event loop: longest busy stretch %.2f ms\n\n",
                menuReadingMs, longestStall);

    std::printf("%-8s %12s %12s %12s\n", "screen", "first ms", "median ms", "worst ms");
    for (const Target& t : targets) {
        std::vector<double> ms;
        failed = false;
        for (int i = 0; i < runs && !failed; ++i) {
            QElapsedTimer timer;
            timer.start();
            // What the menu button does: unload the menu, show the screen
            // (its data read, its first question drawn) and paint it.
            navigator.unload(ScreenId::Menu);
            FormWindow* w = navigator.show(t.id);
            if (w && w->screenId() == t.id) {
                // A full paint of the window and every control on it.
                const QPixmap painted = w->grab();
                Q_UNUSED(painted);
                ms.push_back(timer.nsecsElapsed() / 1e6);
                navigator.unload(t.id);
            }
            navigator.show(ScreenId::Menu);
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCoreApplication::processEvents();
        }
        if (ms.empty()) {
            std::printf("%-8s %12s %12s %12s\n", t.name, "-", "-", "-");
            continue;
        }
        std::printf("%-8s %12.2f %12.2f %12.2f\n", t.name, ms.front(), median(ms),
                    *std::max_element(ms.begin(), ms.end()));
    }
}
