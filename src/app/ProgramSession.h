#pragma once

#include "ScreenFactory.h"
#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/Clock.h"
#include "util/RandomSource.h"

#include <QCoreApplication>

namespace app {

// One run of the program: the program-wide state with its material folder
// beside the executable, the time of day, the random source and the
// navigator over them. The program, the benchmark and the gallery start here.
struct ProgramSession {
    ProgramSession();

    shell::ProgramState state;
    util::SystemClock clock;
    util::MixingRandom random;
    shell::Navigator navigator{state, clock, random, createScreen};
};

} // namespace app
