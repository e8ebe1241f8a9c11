// chemdrill-monkey [--seed N] [--events M]
// Uses the whole program at random for M events (default 10000) from seed N
// (default: from the time), checking after every event. Prints the seed at
// the start and with a finding, and one line of figures at the end. Exit
// status 0: every check held; 1: a finding; 2: bad arguments.
#include "Monkey.h"
#include "PrerenderedPictures.h"
#include "StderrCapture.h"
#include "app/AppSetup.h"
#include "util/MaterialPath.h"

#include <QApplication>
#include <QElapsedTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>

namespace {

struct Options {
    std::uint64_t seed = 0;
    std::int64_t events = 10000;
};

bool readNumber(const char* text, unsigned long long& out) {
    try {
        std::size_t used = 0;
        const std::string s(text);
        if (s.empty() || s[0] == '-')
            return false;
        out = std::stoull(s, &used, 10);
        return used == s.size();
    } catch (const std::exception&) {
        return false;
    }
}

bool parse(int argc, char** argv, Options& options) {
    options.seed = static_cast<std::uint64_t>(
        std::chrono::system_clock::now().time_since_epoch().count() % 1000000000);
    for (int i = 1; i < argc; ++i) {
        unsigned long long value = 0;
        if (i + 1 >= argc || !readNumber(argv[i + 1], value))
            return false;
        if (std::strcmp(argv[i], "--seed") == 0)
            options.seed = value;
        else if (std::strcmp(argv[i], "--events") == 0 && value > 0)
            options.events = static_cast<std::int64_t>(value);
        else
            return false;
        ++i;
    }
    return true;
}

void say(const QString& line) {
    std::printf("%s\n", qUtf8Printable(line));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv) {
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr, "usage: chemdrill-monkey [--seed N] [--events M]\n");
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    monkey::StderrCapture capture;
    QApplication application(argc, argv);
    linkPrerenderedPictures();
    app::prepareApplication();

    const QString prefix = QStringLiteral("chemdrill-monkey: seed %1: ").arg(options.seed);
    say(prefix + QStringLiteral("%1 events").arg(options.events));
    QElapsedTimer elapsed;
    elapsed.start();
    int status = 0;
    {
        monkey::Monkey run(options.seed, capture,
                           util::basePathFrom(QCoreApplication::applicationDirPath()));
        if (!run.run(options.events)) {
            say(prefix + QStringLiteral("event %1: %2").arg(run.findingEvent()).arg(run.finding()));
            say(QStringLiteral("last actions:"));
            for (const QString& action : run.recentActions())
                say(QStringLiteral("  ") + action);
            status = 1;
        }
        say(prefix + run.summary() +
            QStringLiteral(", %1 s").arg(elapsed.elapsed() / 1000.0, 0, 'f', 1));
    }
    return status;
}
