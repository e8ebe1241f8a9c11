// chemdrill-bench: how fast the program comes up and switches screens.
//   start-up: from launching chemdrill to the X server mapping its menu,
//   against chemdrill-floor (a bare Qt window, a separate small program)
//   launched the same way, interleaved; needs an X display (make bench runs
//   it under Xvfb);
//   screen switch: menu → each practice screen shown and painted, in this
//   process on whatever platform QT_QPA_PLATFORM names (offscreen by default).
// chemdrill-bench --switches [RUNS] measures the switches only.
#include "Bench.h"
#include "PrerenderedPictures.h"
#include "app/AppSetup.h"

#include <QApplication>
#include <QSysInfo>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using app::prepareApplication;

namespace {

constexpr int startupRuns = 9;
constexpr int switchRuns = 20;

struct Figures {
    std::vector<double> ms;
    std::vector<double> mib;
    void add(const StartupSample& s) {
        ms.push_back(s.ms);
        mib.push_back(s.residentMiB);
    }
};

void report(const char* what, const Figures& f) {
    std::printf("%-26s median %6.1f ms  (min %6.1f, max %6.1f)  %6.1f MiB  (%zu runs)\n", what,
                median(f.ms), *std::min_element(f.ms.begin(), f.ms.end()),
                *std::max_element(f.ms.begin(), f.ms.end()), median(f.mib), f.ms.size());
}

void measureStartup(const QString& dir) {
    StartupProbe probe;
    if (!probe.connected()) {
        std::printf("start-up: no X display; run under Xvfb (make bench does)\n\n");
        return;
    }
    const QString floor = dir + QStringLiteral("/chemdrill-floor");
    const QString program = dir + QStringLiteral("/chemdrill");
    // One run of each, unmeasured, so both find the libraries in the page cache.
    probe.measure(floor);
    probe.measure(program);
    // Interleaved, so both see the same machine load.
    Figures bare, menu;
    for (int i = 0; i < startupRuns; ++i) {
        if (const auto s = probe.measure(floor))
            bare.add(*s);
        if (const auto s = probe.measure(program))
            menu.add(*s);
    }
    if (bare.ms.empty() || menu.ms.empty()) {
        std::printf("start-up: no figures\n\n");
        return;
    }
    std::printf("start-up: launch -> first window mapped, seen from outside\n");
    report("chemdrill-floor (bare)", bare);
    report("chemdrill (menu)", menu);
    std::printf("ratio: time %.2fx (target 1.10x), memory %.2fx\n\n",
                median(menu.ms) / median(bare.ms), median(menu.mib) / median(bare.mib));
}

// The offscreen platform says so on every raise of a screen; nothing else is dropped.
void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("does not support raise()")))
        return;
    std::fprintf(stderr, "%s\n", qUtf8Printable(qFormatLogMessage(type, context, message)));
}

} // namespace

int main(int argc, char** argv) {
    qInstallMessageHandler(quietRaise);
    // The start-up children run on X; this process needs no display of its own.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::printf("machine: %s, %d cores, Qt %s, platform %s\n\n",
                qUtf8Printable(QSysInfo::prettyProductName()), QThread::idealThreadCount(),
                qVersion(), qUtf8Printable(QGuiApplication::platformName()));
    // --switches [RUNS]: the screen switches only (for a profiler).
    const bool switchesOnly = argc > 1 && std::strcmp(argv[1], "--switches") == 0;
    if (!switchesOnly)
        measureStartup(QCoreApplication::applicationDirPath());

    linkPrerenderedPictures();
    prepareApplication();
    std::printf("menu -> practice screen shown and painted (target 16 ms worst)\n");
    measureScreenSwitches(switchesOnly && argc > 2 ? std::max(1, std::atoi(argv[2])) : switchRuns);
    return 0;
}
