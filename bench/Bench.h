#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

struct xcb_connection_t;

// One start of a program, seen from outside: milliseconds from launching the
// process to the X server mapping its first window, and its resident memory
// at that moment.
struct StartupSample {
    double ms = 0;
    double residentMiB = 0;
};

// Launches programs on the X display and watches the root window for the map
// event of a window that carries the child's process id (_NET_WM_PID). Needs
// a real X server (Xvfb will do); without one it measures nothing.
class StartupProbe {
public:
    StartupProbe();
    ~StartupProbe();
    StartupProbe(const StartupProbe&) = delete;
    StartupProbe& operator=(const StartupProbe&) = delete;

    bool connected() const { return connection_ != nullptr; }
    // Starts the program with the xcb platform, waits up to 30 s for its
    // first window to be mapped, then kills it.
    std::optional<StartupSample> measure(const QString& program);

private:
    uint32_t pidOf(uint32_t window);
    void drainEvents();

    xcb_connection_t* connection_ = nullptr;
    uint32_t root_ = 0;
    uint32_t pidAtom_ = 0;
};

// Menu → each practice screen, shown and painted, `runs` times: prints the
// median and worst times, the first (cold) switch included.
void measureScreenSwitches(int runs);

double median(std::vector<double> v);
// v with `decimals` digits after a point; printf's %f would write the
// desktop's decimal sign, and the parent reads the child's line back.
QByteArray fixed(double v, int decimals);
