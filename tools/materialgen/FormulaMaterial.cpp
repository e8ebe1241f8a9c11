// \化学式: the formula screen's data files and glyph pictures, from the
// readable sources in material/formula/.
#include "Generators.h"
#include "MaterialWriter.h"
#include "formula/GlyphArt.h"
#include "formula/Glyphs.h"
#include "formula/PaletteArt.h"

#include <QPainter>
#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <vector>

using formula::Glyph;
using formula::glyph;
using formula::glyphCode;
using formula::glyphCount;
using formula::GlyphKind;
using formula::glyphPictureSize;
using formula::paintGlyph;
using formula::paintPaletteEntry;
using formula::paletteEntryHeight;
using formula::paletteEntryWidth;

namespace {

constexpr int ionCount = 15;

struct Ion {
    QString name;
    int charge = 0;
    std::vector<int> glyphs;
};

// The meaningful lines of a source: no blank lines, no # comment lines, each
// split at runs of blanks into at most `fields` fields (the last keeps its blanks).
std::vector<QStringList> sourceLines(MaterialWriter& out, const QString& name, int fields) {
    std::vector<QStringList> lines;
    const QStringList all = out.source(name).split(u'\n');
    for (const QString& raw : all) {
        const QString line = raw.trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        QStringList parts;
        qsizetype pos = 0;
        static const QRegularExpression blanks(QStringLiteral("\\s+"));
        while (parts.size() < fields - 1) {
            const QRegularExpressionMatch m = blanks.match(line, pos);
            if (!m.hasMatch())
                break;
            parts << line.mid(pos, m.capturedStart() - pos);
            pos = m.capturedEnd();
        }
        parts << line.mid(pos);
        lines.push_back(parts);
    }
    return lines;
}

// The glyph number of a symbol as the sources write it: "Na", "(", "_2".
int glyphOfSymbol(const QString& symbol) {
    for (int n = 1; n <= glyphCount; ++n) {
        const Glyph& g = glyph(n);
        const QString written =
            g.kind == GlyphKind::Subscript ? QStringLiteral("_") + g.symbol : g.symbol;
        if (written == symbol)
            return n;
    }
    return 0;
}

// A formula written on paper ("NH4", "CH3COO") as glyph numbers: a capital
// with an optional small letter is an element, a digit 2–4 a subscript.
std::vector<int> glyphsOfFormula(const QString& formula) {
    std::vector<int> glyphs;
    for (qsizetype i = 0; i < formula.size(); ++i) {
        QString symbol = formula.mid(i, 1);
        if (formula[i].isUpper() && i + 1 < formula.size() && formula[i + 1].isLower())
            symbol = formula.mid(i++, 2);
        else if (formula[i].isDigit())
            symbol.prepend(u'_');
        const int n = glyphOfSymbol(symbol);
        if (n == 0)
            return {};
        glyphs.push_back(n);
    }
    return glyphs;
}

QString codesOf(const std::vector<int>& glyphs) {
    QString codes;
    for (int n : glyphs)
        codes += glyphCode(n);
    return codes;
}

// 元素.dat: symbol, code, width per glyph. Returns the widths, index n - 1.
std::array<int, glyphCount> writeGlyphs(MaterialWriter& out) {
    std::array<int, glyphCount> widths{};
    const auto lines = sourceLines(out, QStringLiteral("formula/glyphs.txt"), 2);
    if (lines.size() != glyphCount) {
        out.fail(QStringLiteral("formula/glyphs.txt: %1 glyphs instead of %2")
                     .arg(lines.size())
                     .arg(glyphCount));
        return widths;
    }
    QString text;
    for (int n = 1; n <= glyphCount; ++n) {
        const QStringList& f = lines[static_cast<std::size_t>(n - 1)];
        bool ok = false;
        const int width = f.value(1).toInt(&ok);
        if (glyphOfSymbol(f.value(0)) != n || !ok || width < 1 || width > 11) {
            out.fail(QStringLiteral("formula/glyphs.txt: line of glyph %1 is \"%2\"")
                         .arg(n)
                         .arg(f.join(u' ')));
            continue;
        }
        widths[static_cast<std::size_t>(n - 1)] = width;
        text += QStringLiteral("\"%1\",\"%2\",%3\n").arg(glyph(n).symbol, glyphCode(n)).arg(width);
    }
    out.dataFile(QStringLiteral("\\化学式\\データ\\元素.dat"), text);
    return widths;
}

// 陽イオン.dat or 陰イオン.dat: name part, charge, glyph codes per ion.
std::vector<Ion> writeIons(MaterialWriter& out, const QString& source, const QString& target) {
    std::vector<Ion> ions;
    const auto lines = sourceLines(out, source, 3);
    if (lines.size() != ionCount) {
        out.fail(QStringLiteral("%1: %2 ions instead of %3")
                     .arg(source)
                     .arg(lines.size())
                     .arg(ionCount));
        return ions;
    }
    QString text;
    for (const QStringList& f : lines) {
        Ion ion{f.value(0), f.value(1).toInt(), glyphsOfFormula(f.value(2))};
        if (f.size() != 3 || ion.charge < 1 || ion.charge > 3 || ion.glyphs.empty()) {
            out.fail(QStringLiteral("%1: bad ion \"%2\"").arg(source, f.join(u' ')));
            continue;
        }
        text += QStringLiteral("\"%1\",%2,\"%3\"\n")
                    .arg(ion.name)
                    .arg(ion.charge)
                    .arg(codesOf(ion.glyphs));
        ions.push_back(ion);
    }
    out.dataFile(target, text);
    return ions;
}

int ionNumber(const std::vector<Ion>& ions, const QString& name) {
    for (std::size_t i = 0; i < ions.size(); ++i)
        if (ions[i].name == name)
            return static_cast<int>(i) + 1;
    return 0;
}

// 除外.dat: per cation with exclusions, its number, the anion numbers and 0;
// a final 0 ends the file. The reasons stay in the source.
void writeExclusions(MaterialWriter& out, const std::vector<Ion>& cations,
                     const std::vector<Ion>& anions) {
    std::array<std::array<bool, ionCount + 1>, ionCount + 1> excluded{};
    for (const QStringList& f : sourceLines(out, QStringLiteral("formula/exclusions.txt"), 3)) {
        const int c = ionNumber(cations, f.value(0));
        const int a = ionNumber(anions, f.value(1));
        if (f.size() != 3 || c == 0 || a == 0 || f.value(2).trimmed().isEmpty()) {
            out.fail(QStringLiteral(
                         "formula/exclusions.txt: \"%1\" needs a cation, an anion and a reason")
                         .arg(f.join(u' ')));
            continue;
        }
        excluded[static_cast<std::size_t>(c)][static_cast<std::size_t>(a)] = true;
    }
    QString text;
    for (int c = 1; c <= ionCount; ++c) {
        QStringList group;
        for (int a = 1; a <= ionCount; ++a)
            if (excluded[static_cast<std::size_t>(c)][static_cast<std::size_t>(a)])
                group << QString::number(a);
        if (!group.isEmpty())
            text += QStringLiteral("%1,%2,0\n").arg(c).arg(group.join(u','));
    }
    text += QStringLiteral("0\n");
    out.dataFile(QStringLiteral("\\化学式\\データ\\除外.dat"), text);
}

} // namespace

void generateFormulaMaterial(MaterialWriter& out) {
    const std::array<int, glyphCount> widths = writeGlyphs(out);
    const std::vector<Ion> cations = writeIons(out, QStringLiteral("formula/cations.txt"),
                                               QStringLiteral("\\化学式\\データ\\陽イオン.dat"));
    const std::vector<Ion> anions = writeIons(out, QStringLiteral("formula/anions.txt"),
                                              QStringLiteral("\\化学式\\データ\\陰イオン.dat"));
    writeExclusions(out, cations, anions);

    for (int n = 1; n <= glyphCount; ++n) {
        // Glyphs lie over the row's rectangle, which turns blue, green or red:
        // their black is transparent so the mark shows around the letters.
        const QSize size = glyphPictureSize(std::max(1, widths[static_cast<std::size_t>(n - 1)]));
        out.keyedPicture(QStringLiteral("\\化学式\\元素\\gen(%1).gif").arg(n), size,
                         [n, size](QPainter& p) { paintGlyph(p, QRectF(QPointF(0, 0), size), n); });
        out.picture(QStringLiteral("\\化学式\\画像\\g(%1).gif").arg(n),
                    QSize(paletteEntryWidth, paletteEntryHeight), [n](QPainter& p) {
                        paintPaletteEntry(p, QRectF(0, 0, paletteEntryWidth, paletteEntryHeight), n,
                                          true);
                    });
    }
}
