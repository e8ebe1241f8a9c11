#include "FormulaData.h"

#include "FormulaGeometry.h"
#include "FormulaPaths.h"
#include "util/DataError.h"
#include "util/DataFile.h"

#include <stdexcept>

namespace formula {

using util::DataError;
using util::DataFile;

namespace {
const QString elementsFile = paths::elements();
const QString cationsFile = paths::cations();
const QString anionsFile = paths::anions();
const QString exclusionsFile = paths::exclusions();

// A formula as glyph codes: two digits per glyph, each a glyph number.
bool isGlyphCodeString(const QString& code) {
    if (code.isEmpty() || code.size() % 2 != 0)
        return false;
    for (qsizetype i = 0; i < code.size(); i += 2) {
        bool ok = false;
        const int n = code.mid(i, 2).toInt(&ok);
        if (!ok || !code[i].isDigit() || !code[i + 1].isDigit() || n < 1 || n > glyphCount)
            return false;
    }
    return true;
}
} // namespace

std::size_t FormulaData::index(int n, int count) {
    if (n < 1 || n > count)
        throw std::out_of_range("formula data index out of range");
    return static_cast<std::size_t>(n - 1);
}

FormulaData FormulaData::load(const QString& basePath) {
    FormulaData data;
    data.readElements(basePath);
    data.cations_ = readIons(basePath, cationsFile);
    data.anions_ = readIons(basePath, anionsFile);
    data.readExclusions(basePath);
    return data;
}

bool FormulaData::excluded(int c, int a) const {
    return excluded_.at(index(c, ionCount) + 1).at(index(a, ionCount) + 1);
}

void FormulaData::readElements(const QString& basePath) {
    DataFile f(basePath, elementsFile);
    for (int n = 1; n <= glyphCount; ++n) {
        f.text(); // the symbol, for the reader of the file
        const QString code = f.text();
        // Deleting a glyph reads the code back as the glyph number, and the
        // correct answers use "22" … "25" directly: nothing else will do.
        if (code != glyphCode(n))
            f.fail(QStringLiteral(
                       "%1 番目の記号のコードは「%2」でなければなりません（「%3」があります）")
                       .arg(n)
                       .arg(glyphCode(n), code));
        elementCode_[static_cast<std::size_t>(n - 1)] = code;
        elementWidth_[static_cast<std::size_t>(n - 1)] = f.integer(1, geometry::cellsPerRow);
    }
}

std::array<Ion, FormulaData::ionCount> FormulaData::readIons(const QString& basePath,
                                                             const QString& file) {
    std::array<Ion, ionCount> ions;
    std::array<int, ionCount> lines{}; // where each ion's record begins
    DataFile f(basePath, file);
    for (std::size_t i = 0; i < ions.size(); ++i) {
        Ion& ion = ions[i];
        ion.name = f.text();
        lines[i] = f.fieldLineNumber();
        if (ion.name.isEmpty())
            f.fail(QStringLiteral("イオンの名前が空です"));
        ion.charge = f.integer(1, 3);
        ion.code = f.text();
        if (ion.code.isEmpty())
            f.fail(QStringLiteral("イオンの式が空です"));
        if (!isGlyphCodeString(ion.code))
            f.fail(QStringLiteral(
                       "イオンの式「%1」は 01〜26 の 2 桁の記号コードを並べたものではありません")
                       .arg(ion.code));
        // The ions are numbered by their place in the file: a record given
        // twice would move every later ion and push the last one out.
        for (std::size_t j = 0; j < i; ++j) {
            if (ions[j].name == ion.name)
                f.fail(QStringLiteral("イオン「%1」が %2 行目にもあります")
                           .arg(ion.name)
                           .arg(lines[j]));
            if (ions[j].code == ion.code && ions[j].charge == ion.charge)
                f.fail(QStringLiteral("イオン「%1」は %2 行目の「%3」と同じ式と価数です")
                           .arg(ion.name)
                           .arg(lines[j])
                           .arg(ions[j].name));
        }
    }
    return ions;
}

void FormulaData::readExclusions(const QString& basePath) {
    DataFile f(basePath, exclusionsFile);
    // Groups of a cation and its anions, each ended by 0; a 0 in place of a
    // cation ends the file. A 0 too many or too few shifts every later number
    // into another role; a cation or an anion named twice is how that
    // usually shows, and it is never meant.
    std::array<int, ionCount + 1> groupLine{}; // where each cation's group begins
    for (int c = f.integer(0, ionCount); c != 0; c = f.integer(0, ionCount)) {
        auto& cationGroup = groupLine[static_cast<std::size_t>(c)];
        if (cationGroup != 0)
            f.fail(
                QStringLiteral("陽イオン %1 の組が %2 行目にもあります").arg(c).arg(cationGroup));
        cationGroup = f.fieldLineNumber();
        for (int a = f.integer(0, ionCount); a != 0; a = f.integer(0, ionCount)) {
            bool& pair = excluded_[static_cast<std::size_t>(c)][static_cast<std::size_t>(a)];
            if (pair)
                f.fail(
                    QStringLiteral("陽イオン %1 の組に陰イオン %2 が 2 回あります").arg(c).arg(a));
            pair = true;
        }
    }

    for (int c = 1; c <= ionCount; ++c)
        for (int a = 1; a <= ionCount; ++a)
            if (!excluded(c, a))
                pairs_.push_back({c, a});
    if (pairCount() <= recentPairWindow)
        throw DataError(
            exclusionsFile, 0,
            QStringLiteral("出題できる組み合わせが %1 個しかありません（%2 個以上必要です）")
                .arg(pairCount())
                .arg(recentPairWindow + 1));
}

} // namespace formula
