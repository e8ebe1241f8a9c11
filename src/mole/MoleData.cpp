#include "MoleData.h"

#include "MolePaths.h"
#include "chemistry/ChemicalFormula.h"
#include "util/DataFile.h"

#include <stdexcept>

namespace mole {

using util::DataFile;

std::size_t MoleData::index(int s) {
    if (s < 1 || s > substanceCount)
        throw std::out_of_range("mole substance out of range");
    return static_cast<std::size_t>(s - 1);
}

MoleData MoleData::load(const QString& basePath) {
    MoleData data;
    DataFile masses(basePath, paths::molarMasses());
    for (float& mass : data.masses_) {
        const double v = masses.real();
        if (!(v > 0))
            masses.fail(QStringLiteral("分子量は正の数でなければなりません（%1 があります）")
                            .arg(QString::number(v)));
        if (v > maxMolarMass)
            masses.fail(QStringLiteral("分子量 %1 は大きすぎます（%2 以下）")
                            .arg(QString::number(v), QString::number(maxMolarMass)));
        mass = static_cast<float>(v);
    }
    DataFile texts(basePath, paths::questionTexts());
    for (QString& text : data.texts_) {
        text = chemistry::withSubscripts(texts.line().trimmed());
        if (text.isEmpty())
            texts.fail(QStringLiteral("問題文が空です"));
    }
    return data;
}

MoleData MoleData::fromValues(const std::array<float, substanceCount>& masses,
                              const std::array<QString, substanceCount>& texts) {
    MoleData data;
    data.masses_ = masses;
    data.texts_ = texts;
    return data;
}

} // namespace mole
