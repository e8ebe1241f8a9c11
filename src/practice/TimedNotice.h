#pragma once

#include <cstdint>

namespace practice {

// Something shown for a while and hidden by the first timer tick after its
// period: the message banner and the judgement legend. The start is stamped
// in whole seconds of the time of day (halves to even), so the banner stays
// up for its period give or take half a second; a second show restarts it.
class TimedNotice {
public:
    explicit TimedNotice(double periodSeconds) : period_(periodSeconds) {}

    void show(double now);
    // A timer tick at `now`: true when the notice must hide now (it is then
    // hidden), false when it stays up or was not shown.
    bool tick(double now);

    bool isShown() const { return shown_; }
    std::int32_t start() const { return start_; }
    double period() const { return period_; }

private:
    double period_;
    std::int32_t start_ = 0;
    bool shown_ = false;
};

} // namespace practice
