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

    // Recent-question memories, one or two per practice screen: highest
    // number, list capacity, and how many of the latest stay blocked.
    util::RecentMemory formulaPairs{300, 150, 101}; // formulaPairInUse / recentFormulaPairs
    util::RecentMemory problems{100, 50, 33};       // problemInUse / recentProblems
    util::RecentMemory moleQuestions{100, 50, 41};  // moleQuestionInUse / recentMoleQuestions
    util::RecentMemory substances{30, 15, 11};      // substanceInUse / recentSubstances
    util::RecentMemory reactionQuestions{100, 50,
                                         20}; // reactionQuestionUsed / reactionQuestionHistory
    util::RecentMemory reactions{30, 15, 11}; // reactionUsed / reactionHistory
};

} // namespace shell
