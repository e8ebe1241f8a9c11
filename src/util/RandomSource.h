#pragma once

#include <cstdint>

namespace util {

// Values in [0, 1) for drawing questions. Screens re-seed from the time of
// day before each draw; re-seeding mixes the time into the state instead of
// replacing it, so a draw repeated within the same clock tick still gives a
// fresh value.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed(double timeOfDay) = 0;
    virtual double next() = 0;
};

// splitmix64: small, fast and good enough for picking questions.
class MixingRandom final : public RandomSource {
public:
    explicit MixingRandom(std::uint64_t seed = 0x9E3779B97F4A7C15ull) : state_(seed) {}
    void reseed(double timeOfDay) override;
    double next() override;

private:
    std::uint64_t step();
    std::uint64_t state_;
};

} // namespace util
