// The generated material of the coefficient screen, read back as the program
// reads it and checked with the generator's own chemistry parser.
#include "ChemicalFormula.h"
#include "coefficient/CoefficientData.h"
#include "util/MaterialPath.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QSet>

#include <gtest/gtest.h>
#include <map>
#include <numeric>

using coefficient::CoefficientData;
using coefficient::Problem;
using util::materialPath;

namespace {

QString built(const QString& relativePath) {
    return materialPath(QStringLiteral(CHEMDRILL_BUILD_DIR), relativePath);
}

const CoefficientData& material() {
    static const CoefficientData data = CoefficientData::load(QStringLiteral(CHEMDRILL_BUILD_DIR));
    return data;
}

// Atoms on the left minus atoms on the right, per element, for the correct
// coefficients; all zero when the equation balances.
std::map<QString, int> imbalance(const Problem& p) {
    std::map<QString, int> balance;
    const QStringList formulas = p.left.formulas + p.right.formulas;
    for (qsizetype s = 0; s < formulas.size(); ++s) {
        const Composition c = chemicalComposition(formulas[s]);
        EXPECT_TRUE(c.ok()) << formulas[s].toStdString();
        const int sign = s < p.left.formulas.size() ? 1 : -1;
        for (const auto& [element, n] : c.atoms)
            balance[element] += sign * n * p.correct[static_cast<std::size_t>(s)];
    }
    return balance;
}

TEST(CoefficientMaterialTest, EveryProblemBalancesWithTheSmallestCoefficients) {
    for (int n = 1; n <= CoefficientData::problemCount; ++n) {
        const Problem& p = material().problem(n);
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(n).arg(p.title).toStdString());
        EXPECT_LE(p.boxCount(), 6);
        EXPECT_EQ(p.boxCount(), p.left.formulas.size() + p.right.formulas.size());
        int divisor = 0;
        for (int c : p.correct) {
            EXPECT_GE(c, 1);
            EXPECT_LE(c, 8);
            divisor = std::gcd(divisor, c);
        }
        EXPECT_EQ(divisor, 1);
        for (const auto& [element, difference] : imbalance(p))
            EXPECT_EQ(difference, 0) << element.toStdString();
    }
}

TEST(CoefficientMaterialTest, TheScreensCountsAgreeWithTheChemistry) {
    for (int n = 1; n <= CoefficientData::problemCount; ++n) {
        const Problem& p = material().problem(n);
        for (const coefficient::Side* side : {&p.left, &p.right})
            for (qsizetype s = 0; s < side->formulas.size(); ++s) {
                std::map<QString, int> screen;
                for (const auto& e : side->elements[static_cast<std::size_t>(s)])
                    screen[e.symbol] = e.atoms;
                EXPECT_EQ(screen, chemicalComposition(side->formulas[s]).atoms)
                    << n << " " << side->formulas[s].toStdString();
            }
    }
}

TEST(CoefficientMaterialTest, TitlesAreUniqueAndCover65Problems) {
    QSet<QString> titles;
    for (int n = 1; n <= CoefficientData::problemCount; ++n)
        titles.insert(material().problem(n).title);
    EXPECT_EQ(titles.size(), CoefficientData::problemCount);
    EXPECT_FALSE(titles.contains(QString()));
}

// Each box lies on its picture, apart from the other boxes, so it covers its
// own gap and nothing else.
TEST(CoefficientMaterialTest, BoxesLieInsideTheirPictureWithoutOverlapping) {
    for (int n = 1; n <= CoefficientData::problemCount; ++n) {
        const QString path = built(QStringLiteral("\\係数\\問題\\m(%1).gif").arg(n));
        const QSize size = QImageReader(path).size();
        ASSERT_TRUE(size.isValid()) << path.toStdString();
        EXPECT_LE(size.width(), 700) << n;
        EXPECT_LE(size.height(), 100) << n; // above the digit pad's frame
        const Problem& p = material().problem(n);
        std::vector<QRect> boxes;
        for (const QPoint& at : p.boxPositions) {
            const QRect box(at, QSize(48, 38));
            EXPECT_TRUE(QRect(QPoint(0, 0), size).contains(box)) << n;
            for (const QRect& other : boxes)
                EXPECT_FALSE(box.intersects(other)) << n;
            boxes.push_back(box);
        }
    }
}

// Behind each box the picture is dark, so no stroke of a formula peeks out
// from under it.
TEST(CoefficientMaterialTest, GapsUnderTheBoxesHoldNoInk) {
    for (int n = 1; n <= CoefficientData::problemCount; ++n) {
        const QImage picture(built(QStringLiteral("\\係数\\問題\\m(%1).gif").arg(n)));
        ASSERT_FALSE(picture.isNull());
        for (const QPoint& at : material().problem(n).boxPositions)
            for (int y = at.y(); y < at.y() + 38; ++y)
                for (int x = at.x(); x < at.x() + 48; ++x)
                    ASSERT_LT(qGray(picture.pixel(x, y)), 40) << n << " at " << x << "," << y;
    }
}

TEST(CoefficientMaterialTest, All42BoxFacesAreThereAtBoxSize) {
    QStringList faces{QStringLiteral("w"), QStringLiteral("r")};
    for (const char* style : {"w", "r", "y", "g_h", "r_h"})
        for (int d = 1; d <= 8; ++d)
            faces << QStringLiteral("%1%2").arg(QString::fromLatin1(style)).arg(d);
    ASSERT_EQ(faces.size(), 42);
    QSet<QByteArray> distinct;
    for (const QString& face : faces) {
        const QString path = built(QStringLiteral("\\係数\\数字\\%1.gif").arg(face));
        const QImage image(path);
        ASSERT_FALSE(image.isNull()) << path.toStdString();
        EXPECT_EQ(image.size(), QSize(48, 38)) << path.toStdString();
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        distinct.insert(file.readAll());
    }
    EXPECT_EQ(distinct.size(), 42); // no two faces look the same
}

TEST(CoefficientMaterialTest, DataFilesAreCp932WithCrLf) {
    for (const char* file : {"座標.dat", "問題.dat", "正解.dat", "物質.dat"}) {
        QFile f(built(QStringLiteral("\\係数\\") + QString::fromUtf8(file)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file;
        const QByteArray bytes = f.readAll();
        EXPECT_EQ(bytes.count("\r\n"), bytes.count('\n')) << file;
        EXPECT_EQ(bytes.count("\r\n"), 65) << file;
    }
    QFile substances(built(QStringLiteral("\\係数\\物質.dat")));
    ASSERT_TRUE(substances.open(QIODevice::ReadOnly));
    const QByteArray bytes = substances.readAll();
    EXPECT_TRUE(bytes.contains("\x81\x69")); // （ in CP932
    EXPECT_FALSE(bytes.contains('('));
}

} // namespace
