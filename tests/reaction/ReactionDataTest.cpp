// Reading the reaction screen's data files, and what bad data leads to.
#include "ReactionTestSupport.h"
#include "support/ScreenFixture.h"
#include "support/ShownPath.h"
#include "util/MaterialPath.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using reaction::ReactionData;
using shell::ScreenId;
using util::DataError;
using util::materialPath;

namespace {

using namespace reactionTest;

const QString molarMasses = QStringLiteral("\\反応量\\分子量.dat");
const QString reactions = QStringLiteral("\\反応量\\反応式.dat");
const QString texts = QStringLiteral("\\反応量\\名称.dat");

// A material folder with good data files, for tests to spoil one file at a time.
class MaterialCopy {
public:
    MaterialCopy() {
        QDir(dir_.path()).mkpath(QStringLiteral("反応量"));
        for (const QString& file : {molarMasses, reactions, texts})
            QFile::copy(materialPath(materialDir(), file), path(file));
    }
    QString base() const { return dir_.path(); }
    void write(const QString& file, const QString& text) {
        QFile f(path(file));
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(
            QStringEncoder("CP932").encode(QString(text).replace(u'\n', QStringLiteral("\r\n"))));
    }
    void remove(const QString& file) { QFile::remove(path(file)); }

private:
    QString path(const QString& file) const { return materialPath(dir_.path(), file); }
    QTemporaryDir dir_;
};

QString masses(int count, const QString& first = QStringLiteral("2")) {
    QStringList values{first};
    for (int i = 1; i < count; ++i)
        values << QStringLiteral("44");
    return values.join(u'\n') + u'\n';
}

// Thirteen good records after the given first one.
QString reactionsAfter(const QString& first, int more = 12) {
    QString text = first + u'\n';
    for (int i = 0; i < more; ++i)
        text += QStringLiteral("3,1,3,3,1,2,7\n");
    return text;
}

TEST(ReactionDataTest, ReadsTheGeneratedMaterial) {
    const ReactionData& d = material();
    EXPECT_FLOAT_EQ(d.molarMassOf(7), 17); // NH3
    const auto& first = d.reaction(1);     // N2 + 3H2 → 2NH3
    EXPECT_EQ(first.substanceCount, 3);
    EXPECT_EQ(first.coefficient[2], 3);
    EXPECT_EQ(first.substanceNo[3], 7);
    EXPECT_EQ(d.substance(7).name, QStringLiteral("アンモニア"));
    EXPECT_EQ(d.equation(1), QStringLiteral("N2 + 3H2 → 2NH3"));
}

TEST(ReactionDataTest, FieldsMaySpreadOverLinesAndWhatFollowsIsIgnored) {
    MaterialCopy copy;
    copy.write(molarMasses,
               QStringLiteral("2, 32,28\n") + masses(17) + QStringLiteral("extra,x\n"));
    copy.write(reactions,
               reactionsAfter(QStringLiteral("3\n1,3,3,1\n2,7")) + QStringLiteral("9,9,9\n"));
    const ReactionData d = ReactionData::load(copy.base());
    EXPECT_FLOAT_EQ(d.molarMassOf(2), 32);
    EXPECT_FLOAT_EQ(d.molarMassOf(20), 44);
    EXPECT_EQ(d.reaction(1).substanceCount, 3);
    EXPECT_EQ(d.reaction(1).substanceNo[3], 7);
    EXPECT_EQ(d.reaction(13).coefficient[2], 3);
}

TEST(ReactionDataTest, BadDataNamesTheFile) {
    const struct {
        const char* name;
        const QString& file;
        QString text; // empty: the file is removed
        int line;
        const char* problem;
    } cases[] = {
        {"too few molar masses", molarMasses, masses(19), 20, "欄が足りません"},
        {"molar mass not a number", molarMasses, masses(20, QStringLiteral("abc")), 1,
         "数値が必要"},
        {"molar mass zero", molarMasses, masses(20, QStringLiteral("0")), 1, "分子量"},
        {"molar mass negative", molarMasses, masses(20, QStringLiteral("-2")), 1, "分子量"},
        {"too few reactions", reactions, reactionsAfter(QStringLiteral("3,1,3,3,1,2,7"), 11), 13,
         "欄が足りません"},
        {"record cut short", reactions, QStringLiteral("3,1,3,3,1,2"), 1, "欄が足りません"},
        {"five substances", reactions, reactionsAfter(QStringLiteral("5,1,1,1,2,1,3,1,4,1,5")), 1,
         "範囲 1〜4"},
        {"no substance", reactions, reactionsAfter(QStringLiteral("0")), 1, "範囲 1〜4"},
        {"substance 21", reactions, reactionsAfter(QStringLiteral("2,1,3,2,21")), 1, "範囲 1〜20"},
        {"substance 0", reactions, reactionsAfter(QStringLiteral("2,1,0,2,7")), 1, "範囲 1〜20"},
        {"coefficient 0", reactions, reactionsAfter(QStringLiteral("2,0,3,2,7")), 1, "範囲 1〜"},
        {"coefficient not a number", reactions, reactionsAfter(QStringLiteral("2,x,3,2,7")), 1,
         "整数が必要"},
        {"picture texts missing", texts, QString(), 0, "見つかりません"},
        {"picture texts cut short", texts, QStringLiteral("\"水素\",\"H2\"\n"), 2,
         "欄が足りません"},
    };
    for (const auto& c : cases) {
        MaterialCopy copy;
        if (c.text.isEmpty())
            copy.remove(c.file);
        else
            copy.write(c.file, c.text);
        try {
            ReactionData::load(copy.base());
            ADD_FAILURE() << c.name << ": loaded";
        } catch (const DataError& e) {
            EXPECT_EQ(e.file(), c.file) << c.name;
            EXPECT_EQ(e.line(), c.line) << c.name;
            EXPECT_TRUE(e.problem().contains(QString::fromUtf8(c.problem)))
                << c.name << ": " << e.problem().toStdString();
        }
    }
}

class ReactionBadDataScreenTest : public ScreenFixture {};

TEST_F(ReactionBadDataScreenTest, BadDataSendsTheLearnerBackToTheMenuWithTheFileNamed) {
    MaterialCopy copy;
    copy.write(reactions, reactionsAfter(QStringLiteral("2,1,3,2,21")));
    state.basePath = copy.base();
    navigator.show(ScreenId::Reaction);
    settle();
    EXPECT_FALSE(navigator.isLoaded(ScreenId::Reaction));
    EXPECT_TRUE(navigator.isLoaded(ScreenId::Menu));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors[0].contains(testSupport::shownPath(reactions))) << errors[0].toStdString();
}

} // namespace
