// chemdrill-bench: how fast the program comes up and switches screens.
//   start-up: the menu shown and painted, against a bare Qt window of the
//   same size started the same way in the same run (time and resident memory);
//   screen switch: menu → each practice screen shown and painted.
// Runs on whatever platform QT_QPA_PLATFORM names (offscreen by default).
#include "Bench.h"
#include "PrerenderedPictures.h"
#include "app/AppSetup.h"

#include <QApplication>
#include <QSysInfo>
#include <QThread>

#include <cstdio>
#include <cstring>

using app::prepareApplication;

namespace {

void report(const char* what, const std::vector<StartupSample>& samples) {
    std::vector<double> t, m;
    for (const StartupSample& s : samples) {
        t.push_back(s.seconds * 1000);
        m.push_back(s.residentMiB);
    }
    std::printf("%-22s %10s ms %10s MiB   (%zu runs)\n", what, fixed(median(t), 1).constData(),
                fixed(median(m), 1).constData(), samples.size());
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 3 && std::strcmp(argv[1], "--startup-child") == 0)
        return runStartupChild(argc, argv, QString::fromLatin1(argv[2]));

    const int runs = 15;
    QApplication app(argc, argv);
    linkPrerenderedPictures();
    prepareApplication();
    std::printf("machine: %s, %d cores, Qt %s, platform %s\n\n",
                qUtf8Printable(QSysInfo::prettyProductName()), QThread::idealThreadCount(),
                qVersion(), qUtf8Printable(QGuiApplication::platformName()));

    const QString self = QCoreApplication::applicationFilePath();
    // Interleaved so both see the same machine load and warm caches.
    std::vector<StartupSample> bare, menu;
    for (int i = 0; i < runs; ++i) {
        for (const StartupSample& s : measureStartup(self, QStringLiteral("bare"), 1))
            bare.push_back(s);
        for (const StartupSample& s : measureStartup(self, QStringLiteral("menu"), 1))
            menu.push_back(s);
    }
    std::printf("start-up to first paint (median)\n");
    report("bare window 427x482", bare);
    report("chemdrill menu", menu);
    std::vector<double> bt, mt, bm, mm;
    for (auto& s : bare) {
        bt.push_back(s.seconds);
        bm.push_back(s.residentMiB);
    }
    for (auto& s : menu) {
        mt.push_back(s.seconds);
        mm.push_back(s.residentMiB);
    }
    std::printf("ratio: time %sx (target 1.25x), memory %sx (target 1.3x)\n\n",
                fixed(median(mt) / median(bt), 2).constData(),
                fixed(median(mm) / median(bm), 2).constData());

    std::printf("menu -> practice screen shown and painted (target 16 ms)\n");
    measureScreenSwitches(20);
    return 0;
}
