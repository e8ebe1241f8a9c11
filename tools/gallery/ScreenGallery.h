#pragma once

#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/Clock.h"
#include "util/RandomSource.h"

#include <QDir>
#include <QString>

// Renders every screen of the program to a PNG file, through the real
// navigator over the material beside the executable. The clock stands still
// and the random source has a fixed seed, so the same program gives the
// same pictures. A screen that cannot load is skipped with a line on stderr.
class ScreenGallery {
public:
    // suffix goes between a screen's file name and ".png", as "@2x".
    ScreenGallery(const QString& basePath, const QDir& outDir, const QString& suffix);

    // The number of pictures written: the screens and the program icon.
    int renderAll();

private:
    bool render(shell::ScreenId id, const QString& fileName);
    bool writeIcon();
    // Brings a screen into a state worth showing (an exercise mid-way).
    static void stage(shell::FormWindow* window);
    static void settle();

    QDir outDir_;
    QString suffix_;
    shell::ProgramState state_;
    util::ManualClock clock_{36000};
    util::MixingRandom random_{20240401};
    shell::Navigator navigator_;
    QString loadError_;
};
