#include "TimedNotice.h"

#include "util/TimeOfDay.h"

namespace practice {

using util::secondsSince;
using util::wholeSecond;

void TimedNotice::show(double now) {
    start_ = wholeSecond(now);
    shown_ = true;
}

bool TimedNotice::tick(double now) {
    if (!shown_ || secondsSince(start_, now) <= period_)
        return false;
    shown_ = false;
    return true;
}

} // namespace practice
