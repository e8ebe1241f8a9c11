#pragma once

#include <QString>

#include <array>

namespace reaction {

constexpr int molarMassCount = 20; // substances 1..20
constexpr int reactionCount = 13;  // reactions 1..13
constexpr int maxSubstances = 4;   // the table's columns

// A reaction of 反応式.dat: its substances in the order the equation writes
// them, which is the order of the table's columns.
struct ReactionEntry {
    int substanceCount = 0;                           // 1..4
    std::array<int, maxSubstances + 1> coefficient{}; // positions 1..substanceCount
    std::array<int, maxSubstances + 1> substanceNo{}; // 1..20
};

// What a substance picture b(N) shows, for screen readers.
struct SubstanceText {
    QString name;    // "アンモニア"
    QString formula; // "NH3", digits plain
};

// What the reaction screen reads when it loads: the molar masses
// (分子量.dat), the reactions (反応式.dat) and the texts of the pictures
// (名称.dat). Tables are used from index 1.
struct ReactionData {
    std::array<float, molarMassCount + 1> molarMass{};
    std::array<ReactionEntry, reactionCount + 1> reactions{};
    std::array<SubstanceText, molarMassCount + 1> substances{};
    std::array<QString, reactionCount + 1> equations{}; // "N2 + 3H2 → 2NH3"

    // Reads the three files under basePath. Throws DataError naming the file
    // and line when one is missing or holds what the screen cannot use.
    static ReactionData load(const QString& basePath);

    const ReactionEntry& reaction(int r) const { return reactions.at(checked(r, reactionCount)); }
    float molarMassOf(int s) const { return molarMass.at(checked(s, molarMassCount)); }
    const SubstanceText& substance(int s) const {
        return substances.at(checked(s, molarMassCount));
    }
    const QString& equation(int r) const { return equations.at(checked(r, reactionCount)); }

private:
    static std::size_t checked(int n, int count);
};

} // namespace reaction
