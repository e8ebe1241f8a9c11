#include "Clock.h"

#include <QTime>

#include <chrono>
#include <cmath>

namespace util {

namespace {
constexpr double secondsPerDay = 86400;
}

double SystemClock::timeOfDay() const {
    return QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
}

double SystemClock::steadySeconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

void ManualClock::advance(double seconds) {
    steady_ += seconds;
    timeOfDay_ = std::fmod(timeOfDay_ + seconds, secondsPerDay);
}

void ManualClock::advanceTo(double timeOfDay) {
    double seconds = timeOfDay - timeOfDay_;
    if (seconds < 0)
        seconds += secondsPerDay;
    advance(seconds);
}

} // namespace util
