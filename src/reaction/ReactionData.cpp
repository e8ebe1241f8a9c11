#include "ReactionData.h"

#include "ReactionPaths.h"
#include "chemistry/ChemicalFormula.h"
#include "util/DataFile.h"

#include <cstdint>
#include <stdexcept>

namespace reaction {

using util::DataFile;

namespace {
// Above this a molar mass is no gas of the strip's elements; it also keeps
// every product of the table far inside the range of its texts.
constexpr double molarMassLimit = 10000;

void readMolarMasses(ReactionData& data, const QString& basePath) {
    DataFile f(basePath, paths::molarMasses());
    for (int s = 1; s <= molarMassCount; ++s) {
        const double m = f.real();
        if (!(m > 0 && m < molarMassLimit))
            f.fail(QStringLiteral("物質 %1 の分子量 %2 は 0 より大きく %3 未満でなければなりません")
                       .arg(s)
                       .arg(m)
                       .arg(molarMassLimit));
        data.molarMass[static_cast<std::size_t>(s)] = static_cast<float>(m);
    }
}

// Records of n, c1, s1, …, cn, sn; line ends and commas are interchangeable.
void readReactions(ReactionData& data, const QString& basePath) {
    DataFile f(basePath, paths::reactions());
    for (int r = 1; r <= reactionCount; ++r) {
        ReactionEntry& entry = data.reactions[static_cast<std::size_t>(r)];
        entry.substanceCount = f.integer(1, maxSubstances);
        for (int k = 1; k <= entry.substanceCount; ++k) {
            entry.coefficient[static_cast<std::size_t>(k)] = f.integer(1, INT16_MAX);
            entry.substanceNo[static_cast<std::size_t>(k)] = f.integer(1, molarMassCount);
        }
    }
}

void readPictureTexts(ReactionData& data, const QString& basePath) {
    DataFile f(basePath, paths::pictureTexts());
    for (int s = 1; s <= molarMassCount; ++s) {
        SubstanceText& text = data.substances[static_cast<std::size_t>(s)];
        text.name = f.text();
        text.formula = f.text();
        if (text.name.isEmpty() || text.formula.isEmpty())
            f.fail(QStringLiteral("物質 %1 の名前か化学式が空です").arg(s));
        // A field too many or too few puts a name where a formula belongs.
        if (!chemistry::readFormula(text.formula).ok)
            f.fail(QStringLiteral("物質 %1 の化学式「%2」を読めません").arg(s).arg(text.formula));
    }
    for (int r = 1; r <= reactionCount; ++r) {
        data.equations[static_cast<std::size_t>(r)] = f.text();
        if (data.equations[static_cast<std::size_t>(r)].isEmpty())
            f.fail(QStringLiteral("反応 %1 の反応式が空です").arg(r));
    }
}
} // namespace

std::size_t ReactionData::checked(int n, int count) {
    if (n < 1 || n > count)
        throw std::out_of_range("reaction data index out of range");
    return static_cast<std::size_t>(n);
}

ReactionData ReactionData::load(const QString& basePath) {
    ReactionData data;
    readMolarMasses(data, basePath);
    readReactions(data, basePath);
    readPictureTexts(data, basePath);
    return data;
}

} // namespace reaction
