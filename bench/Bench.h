#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

// One measured run of a child process: seconds from its start to its first
// window shown and painted, and its resident memory then.
struct StartupSample {
    double seconds = 0;
    double residentMiB = 0;
};

// Runs in a child process: shows the menu (or, for "bare", an empty window of
// the menu's size), waits until it is painted, prints one line and exits.
int runStartupChild(int& argc, char** argv, const QString& kind);
// Starts `runs` children of the given kind from the parent, one after another.
std::vector<StartupSample> measureStartup(const QString& program, const QString& kind, int runs);

// Menu → each practice screen, shown and painted, `runs` times: prints the
// median and worst times.
void measureScreenSwitches(int runs);

double median(std::vector<double> v);
// v with `decimals` digits after a point; printf's %f would write the
// desktop's decimal sign, and the parent reads the child's line back.
QByteArray fixed(double v, int decimals);
