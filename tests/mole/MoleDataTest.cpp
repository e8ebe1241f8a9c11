// Reading the mole screen's data, and what bad data leads to.
#include "mole/MoleData.h"

#include "support/ScreenFixture.h"
#include "support/ShownPath.h"
#include "util/MaterialPath.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <ostream>
#include <string>

using mole::MoleData;
using shell::ScreenId;
using util::DataError;
using util::materialPath;

namespace {

const QString massesFile = QStringLiteral("\\モル\\分子量.dat");
const QString textsFile = QStringLiteral("\\モル\\問題\\問題文.dat");

// A material folder of the mole screen's two data files, for tests to spoil.
class MoleMaterial {
public:
    MoleMaterial() {
        QDir(dir_.path()).mkpath(QStringLiteral("モル/問題"));
        QString masses;
        QString texts;
        for (int s = 1; s <= 20; ++s) {
            masses += QStringLiteral("%1\n").arg(10 + s);
            texts += QStringLiteral("物質%1 (C%1H2) について空欄の値を求めよ\n").arg(s);
        }
        write(massesFile, masses);
        write(textsFile, texts);
    }
    QString base() const { return dir_.path(); }
    void write(const QString& file, QString text) {
        QFile f(materialPath(dir_.path(), file));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(QStringEncoder("CP932").encode(text.replace(u'\n', QStringLiteral("\r\n"))));
    }
    void remove(const QString& file) { QFile::remove(materialPath(dir_.path(), file)); }

private:
    QTemporaryDir dir_;
};

TEST(MoleData, ReadsMassesAndStripTexts) {
    MoleMaterial m;
    m.write(massesFile, QStringLiteral("44, 36.5,2\n 28 ,17\n") +
                            QStringLiteral("1\n").repeated(15) + QStringLiteral("999,not read\n"));
    const MoleData data = MoleData::load(m.base());
    EXPECT_EQ(data.molarMass(1), 44.0f);
    EXPECT_EQ(data.molarMass(2), 36.5f);
    EXPECT_EQ(data.molarMass(4), 28.0f);
    EXPECT_EQ(data.molarMass(20), 1.0f);
    // Counts in the formula are read as subscripts.
    EXPECT_EQ(data.questionText(12), QStringLiteral("物質12 (C₁₂H₂) について空欄の値を求めよ"));
}

struct BadCase {
    std::string name;
    QString file;
    QString text; // empty: the file is missing
    int line;     // where the message points, 0 for the whole file
};

void PrintTo(const BadCase& c, std::ostream* os) {
    *os << c.name;
}

class BadMoleData : public testing::TestWithParam<BadCase> {};

TEST_P(BadMoleData, NamesTheFileAndLine) {
    const BadCase& c = GetParam();
    MoleMaterial m;
    if (c.text.isEmpty())
        m.remove(c.file);
    else
        m.write(c.file, c.text);
    try {
        MoleData::load(m.base());
        FAIL() << "loaded";
    } catch (const DataError& e) {
        EXPECT_EQ(e.file(), c.file);
        EXPECT_EQ(e.line(), c.line);
        EXPECT_TRUE(e.message().contains(testSupport::shownPath(c.file)))
            << e.message().toStdString();
    }
}

const QString nineteen = QStringLiteral("44\n").repeated(19);

INSTANTIATE_TEST_SUITE_P(
    Files, BadMoleData,
    testing::Values(BadCase{"MassesMissing", massesFile, {}, 0},
                    BadCase{"NineteenMasses", massesFile, nineteen, 20},
                    BadCase{"NotANumber", massesFile, nineteen + QStringLiteral("四十四\n"), 20},
                    BadCase{"ZeroMass", massesFile, QStringLiteral("44\n0\n") + nineteen, 2},
                    BadCase{"NegativeMass", massesFile, QStringLiteral("-44\n") + nineteen, 1},
                    BadCase{"HugeMass", massesFile, QStringLiteral("1e30\n") + nineteen, 1},
                    BadCase{"TextsMissing", textsFile, {}, 0},
                    BadCase{"NineteenTexts", textsFile,
                            QStringLiteral("水素 (H2) について空欄の値を求めよ\n").repeated(19),
                            19},
                    BadCase{"EmptyText", textsFile,
                            QStringLiteral("\n") + QStringLiteral("x\n").repeated(19), 1}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.name; });

// The screen does not open on bad data: the learner reads which file is at
// fault and is back at the menu.
class MoleScreenBadData : public ScreenFixture {};

TEST_F(MoleScreenBadData, BackAtTheMenuWithTheMessage) {
    MoleMaterial m;
    m.write(massesFile, nineteen);
    state.basePath = m.base();
    navigator.show(ScreenId::Mole);
    settle();
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(testSupport::shownPath(massesFile)));
    EXPECT_FALSE(navigator.isLoaded(ScreenId::Mole));
    EXPECT_TRUE(navigator.isLoaded(ScreenId::Menu));
}

} // namespace
