#include "Bench.h"
#include "PrerenderedPictures.h"
#include "app/AppSetup.h"
#include "app/ProgramSession.h"
#include "shell/FormWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>

using app::createScreen;
using app::prepareApplication;
using app::ProgramSession;
using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;

namespace {

double residentMiB() {
    QFile f(QStringLiteral("/proc/self/status"));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// Prints the resident memory and ends the event loop right after the
// window's first paint pass, before anything queued during it runs.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QMetaObject::invokeMethod(
                this,
                [] {
                    std::printf("shown %s\n", fixed(residentMiB(), 3).constData());
                    std::fflush(stdout);
                    QCoreApplication::exit(0);
                },
                Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, e);
    }

private:
    bool seen_ = false;
};

} // namespace

int runStartupChild(int& argc, char** argv, const QString& kind) {
    QApplication app(argc, argv);
    if (kind == QLatin1String("bare")) {
        QWidget w;
        w.setFixedSize(427, 482);
        QPalette pal = w.palette();
        pal.setColor(QPalette::Window, Qt::black);
        w.setPalette(pal);
        w.setAutoFillBackground(true);
        FirstPaint probe(&w);
        w.show();
        return app.exec();
    }
    linkPrerenderedPictures();
    prepareApplication();
    ProgramSession session;
    Navigator& navigator = session.navigator;
    navigator.setQuitHandler([] {});
    // The probe watches the menu from before it is shown.
    navigator.setFactory([](Navigator& nav, ScreenId id) {
        FormWindow* w = createScreen(nav, id);
        new FirstPaint(w);
        return w;
    });
    navigator.show(ScreenId::Menu);
    return app.exec();
}

std::vector<StartupSample> measureStartup(const QString& program, const QString& kind, int runs) {
    std::vector<StartupSample> samples;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        QElapsedTimer timer;
        timer.start();
        child.start(program, {QStringLiteral("--startup-child"), kind});
        if (!child.waitForReadyRead(30000)) {
            std::fprintf(stderr, "bench: %s child gave no answer\n", qUtf8Printable(kind));
            child.kill();
            child.waitForFinished();
            continue;
        }
        StartupSample s;
        s.seconds = timer.nsecsElapsed() / 1e9;
        const QByteArray line = child.readLine().trimmed();
        s.residentMiB = line.split(' ').value(1).toDouble();
        child.waitForFinished(30000);
        samples.push_back(s);
    }
    return samples;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

QByteArray fixed(double v, int decimals) {
    return QByteArray::number(v, 'f', decimals);
}
