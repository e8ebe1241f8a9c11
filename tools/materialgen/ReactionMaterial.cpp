// \反応量: the reaction screen's molar masses, reactions, picture texts and
// pictures, from the readable sources in material/reaction/. Molar masses
// are computed from the formulas; every reaction is checked before it is
// written.
#include "Generators.h"
#include "MaterialWriter.h"
#include "ReactionPictures.h"
#include "chemistry/AtomicWeights.h"
#include "chemistry/ChemicalFormula.h"
#include "reaction/ReactionData.h"
#include "reaction/ReactionGeometry.h"
#include "reaction/ReactionPaths.h"

#include <QPainter>
#include <QRegularExpression>

#include <map>
#include <numeric>
#include <optional>
#include <vector>

using reaction::maxSubstances;
using reaction::molarMassCount;
using reaction::reactionCount;
namespace paths = reaction::paths;
namespace geometry = reaction::reactionGeometry;

namespace {

using Atoms = std::map<QString, int>;

struct Substance {
    QString formula;
    QString name;
    double molarMass = 0;
};

struct Term {
    int coefficient = 1;
    int substance = 0; // 1..20
    bool product = false;
};

struct Reaction {
    QString equation;
    std::vector<Term> terms;
};

// The lines of a source that carry something: no blank or # comment lines.
QStringList sourceLines(MaterialWriter& out, const QString& name) {
    QStringList lines;
    for (const QString& raw : out.source(name).split(u'\n')) {
        const QString line = raw.trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            lines << line;
    }
    return lines;
}

// substances.txt: formula, boiling point, name per line.
std::vector<Substance> readSubstances(MaterialWriter& out) {
    const QString source = QStringLiteral("reaction/substances.txt");
    std::vector<Substance> substances;
    const QStringList lines = sourceLines(out, source);
    if (lines.size() != molarMassCount) {
        out.fail(QStringLiteral("%1: %2 substances instead of %3")
                     .arg(source)
                     .arg(lines.size())
                     .arg(molarMassCount));
        return substances;
    }
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (const QString& line : lines) {
        const QStringList f = line.split(blanks);
        bool ok = false;
        const double boiling = f.value(1).toDouble(&ok);
        Substance s{f.value(0), f.mid(2).join(u' '), 0};
        const chemistry::FormulaReading parsed = chemistry::readFormula(s.formula);
        if (f.size() < 3 || !ok || !parsed.ok) {
            out.fail(QStringLiteral("%1: substance \"%2\": %3")
                         .arg(source, line,
                              parsed.ok ? QStringLiteral("needs formula, boiling point, name")
                                        : parsed.error));
            continue;
        }
        // The table asks every substance's volume at 0 °C.
        if (boiling >= 0)
            out.fail(QStringLiteral("%1: %2 is no gas at 0 °C").arg(source, s.formula));
        for (const auto& [symbol, n] : parsed.atoms) {
            const double w = chemistry::atomicWeight(symbol); // 0: not on the strip
            if (w == 0)
                out.fail(QStringLiteral("%1: %2 has %3, which the atomic-weight strip lacks")
                             .arg(source, s.formula, symbol));
            else
                s.molarMass += w * n;
        }
        substances.push_back(s);
    }
    return substances;
}

int substanceNumber(const std::vector<Substance>& substances, const QString& formula) {
    for (std::size_t i = 0; i < substances.size(); ++i)
        if (substances[i].formula == formula)
            return static_cast<int>(i) + 1;
    return 0;
}

Atoms atomsOfSide(const Reaction& r, const std::vector<Substance>& substances, bool product) {
    Atoms atoms;
    for (const Term& t : r.terms) {
        if (t.product != product)
            continue;
        const QString& formula = substances[static_cast<std::size_t>(t.substance - 1)].formula;
        for (const auto& [symbol, n] : chemistry::readFormula(formula).atoms)
            atoms[symbol] += t.coefficient * n;
    }
    return atoms;
}

// What is wrong with the reaction, or empty: it must have 1..4 substances of
// the list, balance atom for atom, and have coefficients in lowest terms.
QString checkReaction(const Reaction& r, const std::vector<Substance>& substances) {
    if (r.terms.empty() || r.terms.size() > static_cast<std::size_t>(maxSubstances))
        return QStringLiteral("has %1 substances (1 to %2 fit the table)")
            .arg(r.terms.size())
            .arg(maxSubstances);
    int divisor = 0;
    for (const Term& t : r.terms) {
        if (t.substance < 1 || t.substance > molarMassCount)
            return QStringLiteral("names a substance that is not in substances.txt");
        if (t.coefficient < 1)
            return QStringLiteral("has a coefficient below 1");
        divisor = std::gcd(divisor, t.coefficient);
    }
    if (divisor != 1)
        return QStringLiteral("has coefficients with common divisor %1").arg(divisor);
    if (atomsOfSide(r, substances, false) != atomsOfSide(r, substances, true))
        return QStringLiteral("is not balanced");
    return {};
}

// "2NH3 + 3Cl2 → N2 + 6HCl": sides at "→", terms at "+", a coefficient
// before each formula.
std::optional<Reaction> parseReaction(const QString& line,
                                      const std::vector<Substance>& substances) {
    const QStringList sides = line.split(u'→');
    if (sides.size() != 2)
        return std::nullopt;
    Reaction r{line.simplified(), {}};
    static const QRegularExpression term(QStringLiteral("^([1-9][0-9]*)?([A-Z(][A-Za-z0-9()]*)$"));
    for (int side = 0; side < 2; ++side) {
        for (const QString& raw : sides[side].split(u'+')) {
            const QRegularExpressionMatch m = term.match(raw.trimmed());
            if (!m.hasMatch())
                return std::nullopt;
            const int c = m.captured(1).isEmpty() ? 1 : m.captured(1).toInt();
            r.terms.push_back({c, substanceNumber(substances, m.captured(2)), side == 1});
        }
    }
    return r;
}

std::vector<Reaction> readReactions(MaterialWriter& out, const std::vector<Substance>& substances) {
    const QString source = QStringLiteral("reaction/reactions.txt");
    std::vector<Reaction> reactions;
    const QStringList lines = sourceLines(out, source);
    if (lines.size() != reactionCount) {
        out.fail(QStringLiteral("%1: %2 reactions instead of %3")
                     .arg(source)
                     .arg(lines.size())
                     .arg(reactionCount));
        return reactions;
    }
    for (const QString& line : lines) {
        const std::optional<Reaction> r = parseReaction(line, substances);
        const QString fault = r ? checkReaction(*r, substances)
                                : QStringLiteral("is not written as terms around one →");
        if (!fault.isEmpty()) {
            out.fail(QStringLiteral("%1: reaction %2 \"%3\" %4")
                         .arg(source)
                         .arg(reactions.size() + 1)
                         .arg(line, fault));
            reactions.push_back({line, {}});
            continue;
        }
        reactions.push_back(*r);
    }
    return reactions;
}

void writeData(MaterialWriter& out, const std::vector<Substance>& substances,
               const std::vector<Reaction>& reactions) {
    QString masses;
    for (const Substance& s : substances)
        masses += QString::number(s.molarMass, 'g', 10) + u'\n';
    out.dataFile(paths::molarMasses(), masses);

    QString records;
    for (const Reaction& r : reactions) {
        QStringList fields{QString::number(r.terms.size())};
        for (const Term& t : r.terms)
            fields << QString::number(t.coefficient) << QString::number(t.substance);
        records += fields.join(u',') + u'\n';
    }
    out.dataFile(paths::reactions(), records);

    QString texts;
    for (const Substance& s : substances)
        texts += QStringLiteral("\"%1\",\"%2\"\n").arg(s.name, s.formula);
    for (const Reaction& r : reactions)
        texts += QStringLiteral("\"%1\"\n").arg(r.equation);
    out.dataFile(paths::pictureTexts(), texts);
}

void writePictures(MaterialWriter& out, const std::vector<Substance>& substances,
                   const std::vector<Reaction>& reactions) {
    for (std::size_t i = 0; i < reactions.size(); ++i) {
        const QString equation = reactions[i].equation;
        out.picture(paths::equationPicture(static_cast<int>(i) + 1), geometry::equation.size(),
                    [equation](QPainter& p) { paintEquationPicture(p, equation); });
    }
    for (int n = 1; n <= maxSubstances; ++n)
        out.picture(paths::tablePicture(n), geometry::table.size(),
                    [n](QPainter& p) { paintTablePicture(p, n); });
    for (std::size_t i = 0; i < substances.size(); ++i) {
        const Substance s = substances[i];
        out.picture(paths::substancePicture(static_cast<int>(i) + 1), geometry::nameSize,
                    [s](QPainter& p) { paintSubstancePicture(p, s.name, s.formula); });
    }
    for (const QChar letter : QStringLiteral("wybgr"))
        out.picture(paths::framePicture(letter), geometry::frameSize,
                    [letter](QPainter& p) { paintFramePicture(p, letter); });
}

} // namespace

void generateReactionMaterial(MaterialWriter& out) {
    const std::vector<Substance> substances = readSubstances(out);
    if (substances.size() != static_cast<std::size_t>(molarMassCount))
        return;
    const std::vector<Reaction> reactions = readReactions(out, substances);
    if (reactions.size() != static_cast<std::size_t>(reactionCount))
        return;
    writeData(out, substances, reactions);
    writePictures(out, substances, reactions);
}
