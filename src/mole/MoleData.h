#pragma once

#include <QString>

#include <array>

namespace mole {

// What the mole screen reads when it loads: the molar masses of its 20
// substances (分子量.dat) and what each substance's question strip says
// (問題文.dat, beside the strips).
class MoleData {
public:
    static constexpr int substanceCount = 20;
    // Molar masses above this are not those of a gas and make answers longer
    // than any box.
    static constexpr double maxMolarMass = 1000;

    // Reads both files under basePath. Throws DataError naming the file when
    // one is missing, short, holds a non-number or a molar mass that is zero,
    // negative or too large.
    static MoleData load(const QString& basePath);
    // The same from numbers already at hand (for tests and tools).
    static MoleData fromValues(const std::array<float, substanceCount>& masses,
                               const std::array<QString, substanceCount>& texts = {});

    // Substance s's molar mass, s in 1..20, single precision as the file is read.
    float molarMass(int s) const { return masses_.at(index(s)); }
    // Substance s's strip text after 第　問: "二酸化炭素 (CO₂) について空欄の値を求めよ".
    const QString& questionText(int s) const { return texts_.at(index(s)); }

private:
    static std::size_t index(int s);

    std::array<float, substanceCount> masses_{};
    std::array<QString, substanceCount> texts_;
};

} // namespace mole
