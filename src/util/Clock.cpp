#include "Clock.h"

#include <QTime>

namespace util {

double SystemClock::timeOfDay() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

} // namespace util
