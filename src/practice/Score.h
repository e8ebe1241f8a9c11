#pragma once

#include <QString>

#include <cstdint>

namespace practice {

// The points of one visit to a practice screen: 10 per item newly judged
// correct. It never decreases and never wraps: near the top of the 16-bit
// range a further item leaves it where it is.
class Score {
public:
    static constexpr std::int16_t pointsPerItem = 10;

    void add();
    std::int16_t value() const { return value_; }
    // What the score label shows: empty until the first point, then digits.
    QString caption() const;

private:
    std::int16_t value_ = 0;
    bool scored_ = false;
};

} // namespace practice
