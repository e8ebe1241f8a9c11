#pragma once

namespace util {

// The time of day in seconds since midnight, with its fraction. Screens take
// it through this interface so tests can set the time by hand.
class Clock {
public:
    virtual ~Clock() = default;
    virtual double timeOfDay() const = 0;
};

// The local time of day of this computer.
class SystemClock final : public Clock {
public:
    double timeOfDay() const override;
};

// A clock that only moves when told to; for tests and the benchmark.
class ManualClock final : public Clock {
public:
    explicit ManualClock(double t = 36000) : now_(t) {}
    double timeOfDay() const override { return now_; }
    void set(double t) { now_ = t; }
    void advance(double seconds) { now_ += seconds; }

private:
    double now_;
};

} // namespace util
