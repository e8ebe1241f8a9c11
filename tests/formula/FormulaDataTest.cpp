// Reading the formula screen's four data files, and what bad data leads to.
#include "FormulaTestSupport.h"
#include "support/ScreenFixture.h"
#include "util/MaterialPath.h"

#include <QDir>
#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <utility>

using formula::FormulaData;
using shell::ScreenId;
using util::DataError;
using util::materialPath;

namespace {

using namespace formulaTest;

const QString elements = QStringLiteral("\\化学式\\データ\\元素.dat");
const QString cationsFile = QStringLiteral("\\化学式\\データ\\陽イオン.dat");
const QString anionsFile = QStringLiteral("\\化学式\\データ\\陰イオン.dat");
const QString exclusions = QStringLiteral("\\化学式\\データ\\除外.dat");

// A copy of the generated data files in a temporary material folder, for
// tests to spoil one file at a time.
class MaterialCopy {
public:
    MaterialCopy() {
        QDir(dir_.path()).mkpath(QStringLiteral("化学式/データ"));
        for (const QString& file : {elements, cationsFile, anionsFile, exclusions})
            QFile::copy(materialPath(materialDir(), file), path(file));
    }
    QString base() const { return dir_.path(); }
    QString read(const QString& file) const {
        QFile f(path(file));
        f.open(QIODevice::ReadOnly);
        return QStringDecoder("CP932").decode(f.readAll());
    }
    void write(const QString& file, const QString& text) {
        QFile f(path(file));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(QStringEncoder("CP932").encode(
            QString(text)
                .replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
                .replace(u'\n', QStringLiteral("\r\n"))));
    }
    void remove(const QString& file) { QFile::remove(path(file)); }

private:
    QString path(const QString& file) const { return materialPath(dir_.path(), file); }
    QTemporaryDir dir_;
};

// Exclusions that leave `left` askable pairs: whole cations first, then
// anions of the next cation.
QString exclusionsLeaving(int left) {
    const int excluded = 225 - left;
    QString text;
    for (int c = 1; c <= excluded / 15; ++c)
        text += QStringLiteral("%1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,0\n").arg(c);
    if (excluded % 15 != 0) {
        text += QString::number(excluded / 15 + 1);
        for (int a = 1; a <= excluded % 15; ++a)
            text += QStringLiteral(",%1").arg(a);
        text += QStringLiteral(",0\n");
    }
    return text + QStringLiteral("0\n");
}

QString dropLastLine(const QString& text) {
    QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    lines.removeLast();
    return lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n");
}

QString replaceFirst(const QString& text, const QString& from, const QString& to) {
    QString result = text;
    const qsizetype at = result.indexOf(from);
    return at < 0 ? result : result.replace(at, from.size(), to);
}

// A record written twice, as a slip of copy and paste: the copy follows line n.
QString repeatingLine(const QString& text, int n) {
    QStringList lines = text.split(QStringLiteral("\r\n"));
    lines.insert(n, lines.at(n - 1));
    return lines.join(QStringLiteral("\r\n"));
}

// The file cut off just after the first occurrence of `end`, mid-line.
QString cutAfter(const QString& text, const QString& end) {
    return text.left(text.indexOf(end) + end.size());
}

struct Corruption {
    const char* name;
    QString file;
    // nullptr: the file is removed; else its text is replaced by what this returns.
    std::function<QString(const QString&)> edit;
    // Where the fault is reported and a part of its description; line -1
    // and no text where any line and wording will do.
    int line = -1;
    const char* problem = nullptr;
};

void PrintTo(const Corruption& c, std::ostream* os) {
    *os << c.name;
}

using Edit = std::function<QString(const QString&)>;
Edit replacing(const char* from, const char* to) {
    return [=](const QString& t) {
        return replaceFirst(t, QString::fromUtf8(from), QString::fromUtf8(to));
    };
}
Edit replacedBy(const QString& text) {
    return [=](const QString&) { return text; };
}
Edit repeating(int line) {
    return [=](const QString& t) { return repeatingLine(t, line); };
}
Edit cutAfter(const char* end) {
    return [=](const QString& t) { return cutAfter(t, QString::fromUtf8(end)); };
}

const Corruption corruptions[] = {
    {"elementsMissing", elements, nullptr},
    {"cationsMissing", cationsFile, nullptr},
    {"anionsMissing", anionsFile, nullptr},
    {"exclusionsMissing", exclusions, nullptr},
    {"elementsTooFew", elements, dropLastLine},
    {"anionsTooFew", anionsFile, dropLastLine},
    {"elementCodeNotTwoDigits", elements, replacing("\"05\"", "\"5\"")},
    {"elementCodeOfAnotherGlyph", elements, replacing("\"01\"", "\"02\"")},
    {"elementWidthZero", elements, replacing("\"01\",2", "\"01\",0")},
    {"elementWidthNotANumber", elements, replacing("\"01\",2", "\"01\",二")},
    {"chargeNotANumber", cationsFile, replacing("\"水素\",1", "\"水素\",x")},
    {"chargeTooHigh", anionsFile, replacing("\"リン酸\",3", "\"リン酸\",4")},
    {"chargeZero", cationsFile, replacing("\"水素\",1", "\"水素\",0")},
    {"ionNameEmpty", cationsFile, replacing("\"水素\"", "\"\"")},
    {"ionCodeOddLength", anionsFile, replacing("\"1811\"", "\"181\"")},
    {"ionCodeBeyondGlyphs", cationsFile, replacing("\"11\"", "\"27\"")},
    {"ionCodeZero", cationsFile, replacing("\"11\"", "\"00\"")},
    {"ionCodeNotDigits", anionsFile, replacing("\"07\"", "\"0x\"")},
    {"ionCodeEmpty", anionsFile, replacing("\"07\"", "\"\"")},
    {"exclusionsWithoutFinalZero", exclusions, replacedBy(QStringLiteral("3,5,0\n"))},
    {"exclusionGroupNotEnded", exclusions, replacedBy(QStringLiteral("3,5\n"))},
    {"exclusionCationOutOfRange", exclusions, replacedBy(QStringLiteral("16,1,0\n0\n"))},
    {"exclusionAnionOutOfRange", exclusions, replacedBy(QStringLiteral("3,16,0\n0\n"))},
    {"exclusionNegative", exclusions, replacedBy(QStringLiteral("3,-1,0\n0\n"))},
    {"exclusionNotANumber", exclusions, replacedBy(QStringLiteral("3,硫酸,0\n0\n"))},
    {"only101Pairs", exclusions, replacedBy(exclusionsLeaving(101))},
    {"cationRecordTwice", cationsFile, repeating(3), 4, "3 行目にも"},
    {"anionRecordTwice", anionsFile, repeating(14), 15, "14 行目にも"},
    {"cationUnderTwoNames", cationsFile,
     replacing("\"リチウム\",1,\"14\"", "\"リチウム\",1,\"11\""), 2, "1 行目の「水素」と同じ"},
    {"exclusionGroupOfACationTwice", exclusions, replacedBy(QStringLiteral("1,1,0\n1,2,0\n0\n")), 2,
     "陽イオン 1 の組が 1 行目にも"},
    {"exclusionGroupOfACationTwiceWhenEmpty", exclusions,
     replacedBy(QStringLiteral("3,0\n4,1,0\n3,5,0\n0\n")), 3, "陽イオン 3 の組"},
    {"exclusionAnionTwiceInAGroup", exclusions, replacedBy(QStringLiteral("3,5,5,0\n0\n")), 1,
     "陰イオン 5 が 2 回"},
    // A group's closing 0 left out: the next cation is read as an anion
    // of this group, and its own anion then comes again.
    {"exclusionGroupEndLeftOut", exclusions,
     replacedBy(QStringLiteral("1,1,4,0\n3,5\n5,2,0\n5,3,0\n0\n")), 3, "陰イオン 5 が 2 回"},
    {"cationsCutAfterAComma", cationsFile, cutAfter("\"水素\","), 1, "途中で終わって"},
    {"cationsCutInsideQuotes", cationsFile, cutAfter("\"水素\",1,\"1"), 1, "途中で終わって"},
    {"elementsCutAfterAComma", elements, cutAfter("\"02\","), 2, "途中で終わって"},
    {"exclusionsCutAfterAComma", exclusions, replacedBy(QStringLiteral("3,5,")), 1,
     "途中で終わって"},
};

class FormulaDataCorruptTest : public ScreenFixture,
                               public ::testing::WithParamInterface<Corruption> {
protected:
    void SetUp() override {
        const Corruption& c = GetParam();
        if (c.edit)
            copy.write(c.file, c.edit(copy.read(c.file)));
        else
            copy.remove(c.file);
    }
    MaterialCopy copy;
};

// The file as the learner's message names it: from the material folder,
// with slashes.
QString shown(const QString& file) {
    return QString(file).replace(u'\\', u'/').mid(1);
}

TEST_P(FormulaDataCorruptTest, IsADataErrorNamingTheFile) {
    const Corruption& c = GetParam();
    try {
        FormulaData::load(copy.base());
        FAIL() << "no DataError";
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), c.file);
        EXPECT_TRUE(e.message().contains(shown(c.file))) << e.message().toStdString();
        if (c.line >= 0) {
            EXPECT_EQ(e.line(), c.line);
        }
        if (c.problem) {
            EXPECT_TRUE(e.problem().contains(QString::fromUtf8(c.problem)))
                << e.problem().toStdString();
        }
        // An empty quotation says nothing about what is wrong.
        EXPECT_FALSE(e.problem().contains(QStringLiteral("「」"))) << e.problem().toStdString();
    }
}

TEST_P(FormulaDataCorruptTest, LeavesTheScreenClosedAndShowsTheMenu) {
    state.basePath = copy.base();
    navigator.show(ScreenId::Formula);
    settle();
    EXPECT_FALSE(navigator.isLoaded(ScreenId::Formula));
    EXPECT_TRUE(navigator.isLoaded(ScreenId::Menu));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.front().contains(shown(GetParam().file))) << errors.front().toStdString();
}

INSTANTIATE_TEST_SUITE_P(Corrupt, FormulaDataCorruptTest, ::testing::ValuesIn(corruptions),
                         [](const auto& info) { return std::string(info.param.name); });

struct ExclusionCase {
    const char* name;
    QString text;
    std::set<std::pair<int, int>> excluded;
};

void PrintTo(const ExclusionCase& c, std::ostream* os) {
    *os << c.name;
}

class FormulaExclusionTest : public ::testing::TestWithParam<ExclusionCase> {};

TEST_P(FormulaExclusionTest, MarksExactlyItsPairs) {
    const ExclusionCase& c = GetParam();
    MaterialCopy copy;
    copy.write(exclusions, c.text);
    const FormulaData data = FormulaData::load(copy.base());
    EXPECT_EQ(data.pairCount(), 225 - static_cast<int>(c.excluded.size()));
    for (int cation = 1; cation <= 15; ++cation)
        for (int anion = 1; anion <= 15; ++anion)
            EXPECT_EQ(data.excluded(cation, anion), c.excluded.count({cation, anion}) == 1)
                << cation << "," << anion;
}

INSTANTIATE_TEST_SUITE_P(
    Groups, FormulaExclusionTest,
    ::testing::Values(
        ExclusionCase{"nothing", QStringLiteral("0\n"), {}},
        ExclusionCase{"onePair", QStringLiteral("3,5,0,0\n"), {{3, 5}}},
        ExclusionCase{"emptyGroupFirst", QStringLiteral("3,0,5,6,7,0,0\n"), {{5, 6}, {5, 7}}},
        ExclusionCase{"spreadOverLines", QStringLiteral("2\n4\n0\n0\n"), {{2, 4}}},
        ExclusionCase{"textAfterTheEndIsNotRead", QStringLiteral("0\nnot read\n"), {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FormulaDataTest, PairsRunCationByCationInAnionOrder) {
    MaterialCopy copy;
    copy.write(exclusions, QStringLiteral("3,5,0,0\n"));
    const FormulaData data = FormulaData::load(copy.base());
    ASSERT_EQ(data.pairCount(), 224);
    EXPECT_EQ(data.pair(1).cation, 1);
    EXPECT_EQ(data.pair(1).anion, 1);
    EXPECT_EQ(data.pair(16).cation, 2);
    EXPECT_EQ(data.pair(16).anion, 1);
    // Cation 3 skips anion 5: its fifth pair is anion 6.
    EXPECT_EQ(data.pair(35).cation, 3);
    EXPECT_EQ(data.pair(35).anion, 6);
    EXPECT_EQ(data.pair(224).cation, 15);
    EXPECT_EQ(data.pair(224).anion, 15);
}

TEST(FormulaDataTest, OneHundredAndTwoPairsAreEnough) {
    MaterialCopy copy;
    copy.write(exclusions, exclusionsLeaving(102));
    EXPECT_EQ(FormulaData::load(copy.base()).pairCount(), 102);
}

} // namespace
