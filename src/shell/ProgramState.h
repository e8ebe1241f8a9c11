#pragma once

#include "util/RecentMemory.h"

#include <QString>

namespace shell {

// The program-wide variables (module 変数宣言): they live from start to end
// of the run and are untouched when screens load and unload.
struct ProgramState {
    // Folder of the executable without a trailing separator; all material
    // paths are basePath + "\…".
    QString basePath;
    // Compound selected on the formula screen when the ion table was opened.
    QString ionTableSubstance;

    // Recent-question memories, one or two per practice screen.
    util::RecentMemory formulaPairs{300, 150};
    util::RecentMemory problems{100, 50};
    util::RecentMemory moleQuestions{100, 50};
    util::RecentMemory substances{30, 15};
    util::RecentMemory reactionQuestions{100, 50};
    util::RecentMemory reactions{30, 15};
};

} // namespace shell
