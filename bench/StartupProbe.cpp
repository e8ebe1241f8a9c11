#include "Bench.h"

#include <QByteArray>
#include <QFile>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

double residentMiBOf(pid_t pid) {
    QFile f(QStringLiteral("/proc/%1/status").arg(pid));
    if (!f.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : f.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

// The child's environment: ours, with the real X platform whatever we run on.
std::vector<std::string> childEnvironment() {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e) {
        if (std::strncmp(*e, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*e);
    }
    env.emplace_back("QT_QPA_PLATFORM=xcb");
    return env;
}

} // namespace

StartupProbe::StartupProbe() {
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_)) {
        xcb_disconnect(connection_);
        connection_ = nullptr;
        return;
    }
    xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(connection_));
    for (int i = 0; i < screenNumber && it.rem; ++i)
        xcb_screen_next(&it);
    root_ = it.data->root;
    // Top-level windows are children of the root: their map events reach us.
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    const char name[] = "_NET_WM_PID";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection_, xcb_intern_atom(connection_, 0, sizeof name - 1, name), nullptr);
    if (atom) {
        pidAtom_ = atom->atom;
        std::free(atom);
    }
    xcb_flush(connection_);
}

StartupProbe::~StartupProbe() {
    if (connection_)
        xcb_disconnect(connection_);
}

uint32_t StartupProbe::pidOf(uint32_t window) {
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection_, xcb_get_property(connection_, 0, window, pidAtom_, XCB_ATOM_CARDINAL, 0, 1),
        nullptr);
    uint32_t pid = 0;
    if (reply && xcb_get_property_value_length(reply) == 4)
        std::memcpy(&pid, xcb_get_property_value(reply), 4);
    std::free(reply);
    return pid;
}

void StartupProbe::drainEvents() {
    while (xcb_generic_event_t* e = xcb_poll_for_event(connection_))
        std::free(e);
}

std::optional<StartupSample> StartupProbe::measure(const QString& program) {
    if (!connection_)
        return std::nullopt;
    drainEvents();
    const QByteArray path = program.toLocal8Bit();
    std::vector<std::string> env = childEnvironment();
    std::vector<char*> envp;
    for (std::string& s : env)
        envp.push_back(s.data());
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(path.constData()), nullptr};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);

    const Clock::time_point launched = Clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.constData(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "bench: cannot start %s: %s\n", path.constData(),
                     std::strerror(spawned));
        return std::nullopt;
    }

    std::optional<StartupSample> sample;
    const Clock::time_point deadline = launched + std::chrono::seconds(30);
    pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
    while (!sample && Clock::now() < deadline) {
        xcb_generic_event_t* e = xcb_poll_for_event(connection_);
        if (!e) {
            if (xcb_connection_has_error(connection_))
                break;
            poll(&fd, 1, 100);
            continue;
        }
        const Clock::time_point at = Clock::now();
        if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(e);
            if (!map->override_redirect && pidOf(map->window) == static_cast<uint32_t>(pid))
                sample =
                    StartupSample{std::chrono::duration<double, std::milli>(at - launched).count(),
                                  residentMiBOf(pid)};
        }
        std::free(e);
    }
    if (!sample)
        std::fprintf(stderr, "bench: %s mapped no window\n", path.constData());
    kill(pid, SIGKILL);
    int status = 0;
    while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return sample;
}

double median(std::vector<double> v) {
    if (v.empty())
        return 0;
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}
