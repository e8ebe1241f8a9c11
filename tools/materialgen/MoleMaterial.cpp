// \モル: the molar masses, the question strips with their texts and the
// answer-box frames, from the readable source material/mole/substances.txt.
#include "Generators.h"
#include "MaterialWriter.h"
#include "chemistry/ChemicalFormula.h"
#include "mole/MoleArt.h"
#include "mole/MoleData.h"
#include "mole/MoleGeometry.h"
#include "mole/MolePaths.h"

#include <QPainter>
#include <QRegularExpression>

#include <vector>

using mole::MoleData;
namespace paths = mole::paths;
namespace geometry = mole::moleGeometry;

namespace {

struct Substance {
    QString name;
    QString formula; // as on paper, "C3H8"
    double molarMass = 0;
};

std::vector<Substance> readSubstances(MaterialWriter& out) {
    std::vector<Substance> substances;
    const QString source = QStringLiteral("mole/substances.txt");
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& raw : out.source(source).split(u'\n')) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(blanks);
        const std::optional<double> mass =
            f.size() == 2 ? chemistry::molarMassOf(f[1]) : std::nullopt;
        if (!mass) {
            out.fail(QStringLiteral("%1: \"%2\" needs a name and a formula of the strip's "
                                    "elements (H, C, N, O, F, S, Cl)")
                         .arg(source, line));
            continue;
        }
        substances.push_back({f[0], f[1], *mass});
    }
    if (substances.size() != MoleData::substanceCount)
        out.fail(QStringLiteral("%1: %2 substances instead of %3")
                     .arg(source)
                     .arg(substances.size())
                     .arg(MoleData::substanceCount));
    return substances;
}

} // namespace

void generateMoleMaterial(MaterialWriter& out) {
    const std::vector<Substance> substances = readSubstances(out);

    // 分子量.dat: the molar masses, one a line; QString::number writes a
    // point whatever the locale. 問題文.dat: what each strip says, with the
    // formula in plain letters and digits (CP932 has no subscript digits).
    QString masses;
    QString texts;
    for (const Substance& s : substances) {
        masses += QString::number(s.molarMass) + u'\n';
        texts += QStringLiteral("%1 (%2) について空欄の値を求めよ\n").arg(s.name, s.formula);
    }
    out.dataFile(paths::molarMasses(), masses);
    out.dataFile(paths::questionTexts(), texts);

    const QSize strip = geometry::questionStrip.rect.size();
    for (std::size_t i = 0; i < substances.size(); ++i) {
        const Substance& s = substances[i];
        out.picture(paths::questionStrip(static_cast<int>(i) + 1), strip, [&s, strip](QPainter& p) {
            mole::paintQuestionStrip(p, QRectF(QPointF(0, 0), strip), s.name, s.formula);
        });
    }

    for (QChar colour : QStringLiteral("wybgr")) {
        for (int size = 1; size <= 2; ++size) {
            const QSize frame = size == 1 ? geometry::largeFrame : geometry::smallFrame;
            out.picture(paths::frame(colour, size), frame, [colour, size, frame](QPainter& p) {
                mole::paintBoxFrame(p, QRectF(QPointF(0, 0), frame), colour, size == 2);
            });
        }
    }
}
