#pragma once

#include <cstdint>

namespace util {
class Clock;
}

namespace practice {

// Something shown for a while and hidden by the first timer tick after its
// period: the message banner and the judgement legend. The start is stamped
// in whole seconds of the time of day (halves to even), so the banner stays
// up for its period give or take half a second; a second show restarts it.
// The time since that stamp is measured on the steady clock, so neither
// midnight nor setting the computer's clock keeps a notice up or cuts it short.
class TimedNotice {
public:
    explicit TimedNotice(double periodSeconds) : period_(periodSeconds) {}

    void show(const util::Clock& clock);
    // A timer tick: true when the notice must hide now (it is then hidden),
    // false when it stays up or was not shown.
    bool tick(const util::Clock& clock);

    bool isShown() const { return shown_; }
    // The time of day of the show, in whole seconds.
    std::int32_t start() const { return start_; }
    double period() const { return period_; }

private:
    double period_;
    std::int32_t start_ = 0;
    double steadyStart_ = 0; // the steady reading when the time of day read start_
    bool shown_ = false;
};

} // namespace practice
