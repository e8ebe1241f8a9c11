#include "TimedNotice.h"

#include "util/TimeOfDay.h"

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
