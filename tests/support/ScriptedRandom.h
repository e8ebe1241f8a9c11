#pragma once

#include "util/RandomSource.h"

#include <deque>
#include <vector>

namespace testSupport {

// A random source that plays back the values it is given, then repeats the
// last; it counts re-seeds and remembers the time of each.
class ScriptedRandom : public util::RandomSource {
public:
    void script(std::vector<double> values) { values_.assign(values.begin(), values.end()); }
    void reseed(double timeOfDay) override { seeds.push_back(timeOfDay); }
    double next() override {
        ++draws;
        if (values_.size() > 1) {
            last_ = values_.front();
            values_.pop_front();
        } else if (!values_.empty()) {
            last_ = values_.front();
        }
        return last_;
    }

    std::vector<double> seeds;
    int draws = 0;

private:
    std::deque<double> values_;
    double last_ = 0;
};

} // namespace testSupport
