// The generated material of the mole screen: every substance a gas of the
// strip's elements with its molar mass, the strips and the frames. Nothing
// here goes through the generator's or the screen's code.
#include "util/MaterialPath.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStringDecoder>

#include <gtest/gtest.h>
#include <map>
#include <set>

using util::materialPath;

namespace {

QString built(const QString& file) {
    return materialPath(QStringLiteral(CHEMDRILL_BUILD_DIR), file);
}

QByteArray bytes(const QString& file) {
    QFile f(built(file));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList lines(const QString& file) {
    const QByteArray raw = bytes(file);
    EXPECT_FALSE(raw.isEmpty()) << file.toStdString();
    EXPECT_EQ(raw.count('\n'), raw.count("\r\n")) << "line ends of " << file.toStdString();
    QStringDecoder cp932("CP932", QStringDecoder::Flag::Stateless);
    const QString text = cp932.decode(raw);
    EXPECT_FALSE(cp932.hasError());
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

// Gases at 0 °C and 1.013 × 10^5 Pa, with their boiling points in °C.
const std::map<QString, double> boilingPoints = {
    {QStringLiteral("H2"), -253},  {QStringLiteral("N2"), -196},   {QStringLiteral("O2"), -183},
    {QStringLiteral("F2"), -188},  {QStringLiteral("Cl2"), -34},   {QStringLiteral("O3"), -112},
    {QStringLiteral("NH3"), -33},  {QStringLiteral("CH4"), -162},  {QStringLiteral("C2H6"), -89},
    {QStringLiteral("C3H8"), -42}, {QStringLiteral("C2H4"), -104}, {QStringLiteral("C2H2"), -84},
    {QStringLiteral("C3H6"), -48}, {QStringLiteral("CO2"), -78},   {QStringLiteral("CO"), -191},
    {QStringLiteral("NO"), -152},  {QStringLiteral("N2O"), -88},   {QStringLiteral("SO2"), -10},
    {QStringLiteral("H2S"), -60},  {QStringLiteral("HCl"), -85},   {QStringLiteral("CH3Cl"), -24},
    {QStringLiteral("CF4"), -128}, {QStringLiteral("SF6"), -64},   {QStringLiteral("HF"), 20},
    {QStringLiteral("NO2"), 21},   {QStringLiteral("C4H10"), -1},  {QStringLiteral("H2O"), 100},
};

// The weights printed on the screen's strip.
double weightOf(const QString& symbol) {
    static const std::map<QString, double> weights = {
        {QStringLiteral("H"), 1},    {QStringLiteral("C"), 12}, {QStringLiteral("N"), 14},
        {QStringLiteral("O"), 16},   {QStringLiteral("F"), 19}, {QStringLiteral("S"), 32},
        {QStringLiteral("Cl"), 35.5}};
    const auto it = weights.find(symbol);
    return it == weights.end() ? -1e9 : it->second;
}

// Formulas here have no parentheses: symbol and count, one after another.
double massOf(const QString& formula) {
    static const QRegularExpression part(QStringLiteral("([A-Z][a-z]?)([0-9]*)"));
    double mass = 0;
    qsizetype covered = 0;
    for (const auto& m : part.globalMatch(formula)) {
        const int n = m.captured(2).isEmpty() ? 1 : m.captured(2).toInt();
        mass += weightOf(m.captured(1)) * n;
        covered += m.capturedLength();
    }
    return covered == formula.size() ? mass : -1;
}

TEST(MoleMaterial, TwentyGasesOfTheStripElementsWithTheirMolarMasses) {
    const QStringList masses = lines(QStringLiteral("\\モル\\分子量.dat"));
    const QStringList texts = lines(QStringLiteral("\\モル\\問題\\問題文.dat"));
    ASSERT_EQ(masses.size(), 20);
    ASSERT_EQ(texts.size(), 20);
    static const QRegularExpression strip(
        QStringLiteral("^(\\S+) \\(([A-Za-z0-9]+)\\) について空欄の値を求めよ$"));
    std::set<QString> formulas;
    for (int s = 0; s < 20; ++s) {
        SCOPED_TRACE(texts[s].toStdString());
        const auto m = strip.match(texts[s]);
        ASSERT_TRUE(m.hasMatch());
        const QString formula = m.captured(2);
        formulas.insert(formula);
        ASSERT_TRUE(boilingPoints.count(formula)) << "no boiling point known";
        EXPECT_LT(boilingPoints.at(formula), 0) << "not a gas at 0 °C";
        bool ok = false;
        EXPECT_EQ(masses[s].trimmed().toDouble(&ok), massOf(formula));
        EXPECT_TRUE(ok);
    }
    EXPECT_EQ(formulas.size(), 20u);
}

TEST(MoleMaterial, StripsLeaveTheNumberGapDark) {
    for (int s = 1; s <= 20; ++s) {
        const QImage img(built(QStringLiteral("\\モル\\問題\\m(%1).gif").arg(s)));
        ASSERT_EQ(img.size(), QSize(556, 33)) << s;
        // Label3 stands at (29, 7) in the strip, 37 × 23.
        int ink = 0;
        for (int y = 7; y < 30; ++y)
            for (int x = 29; x < 66; ++x)
                ink += qGray(img.pixel(x, y)) > 60;
        EXPECT_EQ(ink, 0) << "strip " << s;
        int text = 0;
        for (int y = 0; y < 33; ++y)
            for (int x = 70; x < 556; ++x)
                text += qGray(img.pixel(x, y)) > 160;
        EXPECT_GT(text, 300) << "strip " << s;
        // A long name shrinks the text rather than running off the end.
        int cut = 0;
        for (int y = 0; y < 33; ++y)
            for (int x = 552; x < 556; ++x)
                cut += qGray(img.pixel(x, y)) > 60;
        EXPECT_EQ(cut, 0) << "strip " << s;
    }
}

TEST(MoleMaterial, FramesInTheirColours) {
    const std::map<char, QRgb> colours = {{'w', qRgb(255, 255, 255)},
                                          {'y', qRgb(255, 255, 0)},
                                          {'b', qRgb(0, 80, 255)},
                                          {'g', qRgb(0, 200, 0)},
                                          {'r', qRgb(255, 0, 0)}};
    for (const auto& [letter, rgb] : colours) {
        for (int size = 1; size <= 2; ++size) {
            const QString file =
                QStringLiteral("\\モル\\枠\\%1%2.gif").arg(QChar(letter)).arg(size);
            const QImage img(built(file));
            SCOPED_TRACE(file.toStdString());
            ASSERT_EQ(img.size(), size == 1 ? QSize(95, 58) : QSize(56, 35));
            EXPECT_EQ(img.pixel(0, 0) & 0xffffff, rgb & 0xffffff);
            EXPECT_EQ(img.pixel(img.width() / 2, img.height() - 1) & 0xffffff, rgb & 0xffffff);
            // The inside is black, under the box's white text.
            EXPECT_EQ(img.pixel(img.width() / 2, img.height() / 2) & 0xffffff, 0u);
        }
    }
}

} // namespace
