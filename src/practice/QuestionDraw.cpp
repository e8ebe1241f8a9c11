#include "QuestionDraw.h"

#include "util/Clock.h"
#include "util/RandomSource.h"

#include <algorithm>
#include <cmath>

namespace practice {

namespace {
// Far beyond what a working generator needs: with one free number in 102 the
// chance of missing it this often is below 10^-400.
constexpr int drawLimit = 100000;
} // namespace

int drawQuestion(int count, const util::Clock& clock, util::RandomSource& random,
                 const std::function<bool(int)>& isFree) {
    if (count < 1)
        return 0;
    int n = 1;
    for (int i = 0; i < drawLimit; ++i) {
        random.reseed(clock.timeOfDay());
        n = std::clamp(static_cast<int>(std::floor(random.next() * count)) + 1, 1, count);
        if (isFree(n))
            return n;
    }
    for (int k = 1; k <= count; ++k)
        if (isFree(k))
            return k;
    return n;
}

} // namespace practice
