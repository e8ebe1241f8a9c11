#pragma once

namespace util {

// The two readings of time the screens take: the time of day, which re-seeds
// the random source and stamps the banner and legend in whole seconds, and a
// steady reading that measures how long they have been up. Setting the
// computer's clock moves only the time of day. Screens take both through this
// interface so tests can move them by hand.
class Clock {
public:
    virtual ~Clock() = default;
    // Seconds since midnight, with fraction.
    virtual double timeOfDay() const = 0;
    // Seconds from a fixed but arbitrary start; never goes back.
    virtual double steadySeconds() const = 0;
};

// The local time of day of this computer and its monotonic clock.
class SystemClock final : public Clock {
public:
    double timeOfDay() const override;
    double steadySeconds() const override;
};

// A clock that only moves when told to; for tests and the gallery.
class ManualClock final : public Clock {
public:
    explicit ManualClock(double timeOfDay = 36000) : timeOfDay_(timeOfDay) {}
    double timeOfDay() const override { return timeOfDay_; }
    double steadySeconds() const override { return steady_; }

    // Time passes (seconds >= 0): both readings move on, and the time of day
    // starts again at zero at midnight.
    void advance(double seconds);
    // Time passes until the time of day next reads `timeOfDay`.
    void advanceTo(double timeOfDay);
    // The computer's clock is set, by hand or by a time correction: the time
    // of day jumps, the steady reading stays.
    void setTimeOfDay(double timeOfDay) { timeOfDay_ = timeOfDay; }

private:
    double timeOfDay_;
    double steady_ = 0;
};

} // namespace util
