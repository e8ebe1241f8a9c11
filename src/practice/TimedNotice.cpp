#include "TimedNotice.h"

#include "util/Clock.h"
#include "util/TimeOfDay.h"

namespace practice {

using util::Clock;
using util::wholeSecond;

void TimedNotice::show(const Clock& clock) {
    const double now = clock.timeOfDay();
    start_ = wholeSecond(now);
    // The rounding moves the start by up to half a second either way; the
    // same shift applied to the steady reading keeps that.
    steadyStart_ = clock.steadySeconds() - (now - start_);
    shown_ = true;
}

bool TimedNotice::tick(const Clock& clock) {
    if (!shown_ || clock.steadySeconds() - steadyStart_ <= period_)
        return false;
    shown_ = false;
    return true;
}

} // namespace practice
