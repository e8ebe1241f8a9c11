#include "PairDraw.h"

#include "FormulaData.h"
#include "util/Clock.h"
#include "util/RandomSource.h"
#include "util/RecentMemory.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace formula {

using util::Clock;
using util::RandomSource;
using util::RecentMemory;

namespace {
// Far beyond what a working generator needs (with 102 pairs and a full memory
// the chance of missing the one free pair this often is below 10^-400); only
// a source stuck on blocked values gets here.
constexpr int drawLimit = 100000;
} // namespace

int drawPair(int pairCount, RecentMemory& recent, const Clock& clock, RandomSource& random) {
    for (int i = 0; i < drawLimit; ++i) {
        random.reseed(clock.timeOfDay());
        const int n =
            std::clamp(static_cast<int>(std::floor(random.next() * pairCount)) + 1, 1, pairCount);
        if (!recent.inUse(n)) {
            recent.accept(n, recentPairWindow);
            return n;
        }
    }
    // Rather than hang, take the first free pair.
    for (int n = 1; n <= pairCount; ++n) {
        if (!recent.inUse(n)) {
            recent.accept(n, recentPairWindow);
            return n;
        }
    }
    throw std::logic_error("drawPair: every pair is blocked");
}

} // namespace formula
