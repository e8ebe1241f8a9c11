#include "Clock.h"

#include <QTime>

double SystemClock::timeOfDay() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}
