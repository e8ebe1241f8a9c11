#include "Bench.h"
#include "app/ProgramSession.h"
#include "shell/FormWindow.h"
#include "util/DataError.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPixmap>

#include <algorithm>
#include <cstdio>

using app::ProgramSession;
using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using util::DataError;

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
    // As in the program: the menu is painted first, and its first paint
    // starts loading the fonts in the background of the event loop.
    const QPixmap menu = navigator.show(ScreenId::Menu)->grab();
    Q_UNUSED(menu);
    QCoreApplication::processEvents();

    std::printf("%-8s %12s %12s\n", "screen", "median ms", "worst ms");
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
            std::printf("%-8s %12s %12s\n", t.name, "-", "-");
            continue;
        }
        std::printf("%-8s %12s %12s\n", t.name, fixed(median(ms), 2).constData(),
                    fixed(*std::max_element(ms.begin(), ms.end()), 2).constData());
    }
}
