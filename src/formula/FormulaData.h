#pragma once

#include "Glyphs.h"

#include <QString>

#include <array>
#include <vector>

namespace formula {

// An ion as the formula screen's data gives it.
struct Ion {
    QString name; // the part it gives a compound name: "ナトリウム", "硫酸", "銅（Ⅱ）"
    int charge = 0; // size of the charge, 1..3
    QString code;   // its formula as glyph codes, in writing order ("162026" for NH4)

    // Written with more than one glyph, so a count puts it in parentheses.
    bool polyatomic() const { return code.size() > 2; }
};

struct IonPair {
    int cation = 0; // 1..15
    int anion = 0;  // 1..15
};

// A pair comes back at the earliest as the 102nd question after it, so the
// data must offer more pairs than this or a draw could never end.
constexpr int recentPairWindow = 101;

// What the formula screen reads when it loads: each glyph's code and width
// (元素.dat), the 15 cations and 15 anions (陽イオン.dat, 陰イオン.dat) and
// the pairs never asked (除外.dat), with the askable pairs numbered from 1,
// cation by cation and, within a cation, in anion order.
class FormulaData {
public:
    static constexpr int ionCount = 15;

    // Reads the four files under basePath. Throws DataError naming the file
    // when one is missing or does not hold what the screen needs, and when
    // an ion, or a cation's group of exclusions, is given twice.
    static FormulaData load(const QString& basePath);

    // Glyph n's code (n in two digits) and the number of cells it covers.
    const QString& elementCode(int n) const { return elementCode_.at(index(n, glyphCount)); }
    int elementWidth(int n) const { return elementWidth_.at(index(n, glyphCount)); }

    const Ion& cation(int c) const { return cations_.at(index(c, ionCount)); }
    const Ion& anion(int a) const { return anions_.at(index(a, ionCount)); }
    bool excluded(int c, int a) const;

    int pairCount() const { return static_cast<int>(pairs_.size()); }
    // Askable pair `number`, 1..pairCount().
    IonPair pair(int number) const { return pairs_.at(index(number, pairCount())); }

private:
    static std::size_t index(int n, int count);
    void readElements(const QString& basePath);
    static std::array<Ion, ionCount> readIons(const QString& basePath, const QString& file);
    void readExclusions(const QString& basePath);

    std::array<QString, glyphCount> elementCode_;
    std::array<int, glyphCount> elementWidth_{};
    std::array<Ion, ionCount> cations_;
    std::array<Ion, ionCount> anions_;
    std::array<std::array<bool, ionCount + 1>, ionCount + 1> excluded_{};
    std::vector<IonPair> pairs_;
};

} // namespace formula
