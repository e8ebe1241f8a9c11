#pragma once

#include "Navigator.h"
#include "ProgramState.h"
#include "util/Clock.h"
#include "util/RandomSource.h"

#include <QCoreApplication>

// One run of the program: the program-wide state with its material folder
// beside the executable, the time of day, the random source and the
// navigator over them. The program, the benchmark and the gallery start here.
struct ProgramSession {
    ProgramSession();

    ProgramState state;
    SystemClock clock;
    MixingRandom random;
    Navigator navigator{state, clock, random};
};
