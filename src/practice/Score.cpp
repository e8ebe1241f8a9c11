#include "Score.h"

#include <limits>

namespace practice {

void Score::add() {
    scored_ = true;
    if (value_ <= std::numeric_limits<std::int16_t>::max() - pointsPerItem)
        value_ = static_cast<std::int16_t>(value_ + pointsPerItem);
}

QString Score::caption() const {
    return scored_ ? QString::number(value_) : QString();
}

} // namespace practice
