// Every data file of every exercise, spoilt every way that applies to it, and
// opened from the menu: the learner gets one message naming the file and what
// is wrong, stays at the menu, and the exercise opens once the file is mended.
#include "Corruption.h"
#include "MaterialCopy.h"
#include "support/ScreenFixture.h"
#include "support/ShownPath.h"
#include "util/widgets/PictureButton.h"

#include <QTest>

#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <sstream>
#include <vector>

using shell::ScreenId;

namespace corruptTest {
namespace {

using enum DataFault;

struct Exercise {
    const char* tag;
    ScreenId screen;
    const char* menuButton;
    QString folder;
};

const Exercise formula{"formula", ScreenId::Formula, "Command1", QStringLiteral("化学式")};
const Exercise coefficient{"coefficient", ScreenId::Coefficient, "Command2",
                           QStringLiteral("係数")};
const Exercise mole{"mole", ScreenId::Mole, "Command3", QStringLiteral("モル")};
const Exercise reaction{"reaction", ScreenId::Reaction, "Command4", QStringLiteral("反応量")};

// One data file, the faults that apply to it and what it says about each.
struct DataFileCase {
    const Exercise& exercise;
    const char* tag;
    QString file;
    std::vector<DataFault> faults;
    DataSpot spot;
    // What the message says where it differs from the fault's usual words
    // (the shift a missing or extra field causes shows where it lands);
    // nullptr where the format accepts the change by design and the screen opens.
    std::map<DataFault, const char*> says;
};

// Faults every file can suffer.
const std::vector<DataFault> anyFile{Missing, Empty,       Truncated,  Byte80,
                                     ByteFF,  FewerFields, MoreFields, Directory};
std::vector<DataFault> operator+(std::vector<DataFault> a, const std::vector<DataFault>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

const DataFileCase files[] = {
    // "Al","01",2 — symbol, glyph code, width in cells. A field less or more
    // moves the next glyph's code out of its place.
    {formula,
     "elements",
     QStringLiteral("\\化学式\\データ\\元素.dat"),
     anyFile + std::vector{NotANumber, OutOfRange},
     {.line = 1, .field = 2, .outOfRange = "0"},
     {{FewerFields, "整数が必要"}, {MoreFields, "コード"}}},
    // "水素",1,"11" — name, charge 1..3, formula as glyph codes.
    {formula,
     "cations",
     QStringLiteral("\\化学式\\データ\\陽イオン.dat"),
     anyFile + std::vector{CutCharacter, NotANumber, OutOfRange},
     {.line = 1, .field = 1, .outOfRange = "4"},
     {{FewerFields, "イオンの式"}, {MoreFields, "整数が必要"}}},
    {formula,
     "anions",
     QStringLiteral("\\化学式\\データ\\陰イオン.dat"),
     anyFile + std::vector{CutCharacter, NotANumber, OutOfRange},
     {.line = 1, .field = 1, .outOfRange = "0"},
     {{FewerFields, "イオンの式"}, {MoreFields, "整数が必要"}}},
    // 1,1,10,11,13,14,0 — a cation, its excluded anions, 0. Without the 0 the
    // next group's cation joins this one; an extra 1 starts cation 1's group
    // again, and so does the 1 left at the cut when the file is halved.
    {formula,
     "exclusions",
     QStringLiteral("\\化学式\\データ\\除外.dat"),
     anyFile + std::vector{NotANumber, OutOfRange},
     {.line = 1, .field = 1, .outOfRange = "16"},
     {{Truncated, "組が 1 行目にもあります"},
      {FewerFields, "2 回あります"},
      {MoreFields, "組が 1 行目にもあります"}}},
    // 4,11,5,156,5,… — a box count 0..6 and the boxes' corners.
    {coefficient,
     "positions",
     QStringLiteral("\\係数\\座標.dat"),
     anyFile + std::vector{NotANumber, OutOfRange},
     {.line = 1, .field = 0, .outOfRange = "7"},
     {{FewerFields, "範囲 0〜6"}, {MoreFields, "画面の外"}}},
    // One title a line; a comma belongs to the title, so an extra field is
    // only a longer title.
    {coefficient,
     "titles",
     QStringLiteral("\\係数\\問題.dat"),
     anyFile + std::vector{CutCharacter},
     {.lines = true},
     {{FewerFields, "行が足りません"}, {MoreFields, nullptr}}},
    // 1,2,1,2 — each box's coefficient 1..8, as many as 座標.dat has boxes.
    // An extra one moves every later answer into the next box, which the
    // equations' atom counts then contradict.
    {coefficient,
     "answers",
     QStringLiteral("\\係数\\正解.dat"),
     anyFile + std::vector{NotANumber, OutOfRange},
     {.line = 1, .field = 0, .outOfRange = "9"},
     {{FewerFields, "途中で終わっています"}, {MoreFields, "合いません"}}},
    // CH4,O2,0,CO2,H2O,0 — formulas, each side ended by 0.
    {coefficient,
     "substances",
     QStringLiteral("\\係数\\物質.dat"),
     anyFile,
     {},
     {{FewerFields, "係数/座標.dat"}, {MoreFields, "係数/座標.dat"}}},
    // One molar mass a line, above 0 and at most 1000. The spread of fields
    // over lines is free and nothing after the twentieth is read, so an extra
    // value on line 1 is a file of other masses, not a broken one.
    {mole,
     "masses",
     QStringLiteral("\\モル\\分子量.dat"),
     anyFile + std::vector{NotANumber, OutOfRange},
     {.line = 1, .field = 0, .outOfRange = "0"},
     {{FewerFields, "途中で終わっています"}, {MoreFields, nullptr}}},
    // One strip text a line, a comma is part of the text.
    {mole,
     "texts",
     QStringLiteral("\\モル\\問題\\問題文.dat"),
     anyFile + std::vector{CutCharacter},
     {.lines = true},
     {{FewerFields, "行が足りません"}, {MoreFields, nullptr}}},
    // As the mole screen's masses, above 0 and below 10000.
    {reaction,
     "masses",
     QStringLiteral("\\反応量\\分子量.dat"),
     anyFile + std::vector{NotANumber, OutOfRange},
     {.line = 1, .field = 0, .outOfRange = "-2"},
     {{FewerFields, "途中で終わっています"}, {MoreFields, nullptr}}},
    // 3,1,3,3,1,2,7 — a substance count 1..4, then coefficient and substance
    // 1..20 each; either shift lands a coefficient in the next count.
    {reaction,
     "reactions",
     QStringLiteral("\\反応量\\反応式.dat"),
     anyFile + std::vector{NotANumber, OutOfRange},
     {.line = 1, .field = 0, .outOfRange = "5"},
     {{FewerFields, "範囲 1〜4"}, {MoreFields, "範囲 1〜4"}}},
    // "水素","H2" — each substance's name and formula, then each equation;
    // either shift puts a name where a formula belongs.
    {reaction,
     "names",
     QStringLiteral("\\反応量\\名称.dat"),
     anyFile + std::vector{CutCharacter},
     {},
     {{FewerFields, "化学式"}, {MoreFields, "化学式"}}},
};

// The fault's nullptr entry in `says`: the change is harmless by design.
bool harmless(const DataFileCase& c, DataFault fault) {
    const auto it = c.says.find(fault);
    return it != c.says.end() && it->second == nullptr;
}

// What the message says for each fault, where no file says otherwise.
QString problemOf(const DataFileCase& c, DataFault fault) {
    if (const auto it = c.says.find(fault); it != c.says.end())
        return QString::fromUtf8(it->second);
    switch (fault) {
    case Missing:
        return QStringLiteral("見つかりません");
    case Empty:
        return QStringLiteral("空です");
    case Truncated:
        return QStringLiteral("途中で終わっています");
    case CutCharacter:
    case Byte80:
    case ByteFF:
        return QStringLiteral("読めない文字");
    case FewerFields:
    case MoreFields:
        return QStringLiteral("欄が足りません");
    case NotANumber:
        return QStringLiteral("「abc」");
    case OutOfRange:
        return QString::fromLatin1(c.spot.outOfRange);
    case Directory:
        return QStringLiteral("フォルダ");
    }
    return {};
}

const char* faultName(DataFault fault) {
    switch (fault) {
    case Missing:
        return "Missing";
    case Empty:
        return "Empty";
    case Truncated:
        return "Truncated";
    case CutCharacter:
        return "CutCharacter";
    case Byte80:
        return "Byte80";
    case ByteFF:
        return "ByteFF";
    case FewerFields:
        return "FewerFields";
    case MoreFields:
        return "MoreFields";
    case NotANumber:
        return "NotANumber";
    case OutOfRange:
        return "OutOfRange";
    case Directory:
        return "Directory";
    }
    return "?";
}

struct DataRow {
    const DataFileCase* file;
    DataFault fault;
};

void PrintTo(const DataRow& r, std::ostream* os) {
    *os << r.file->exercise.tag << '_' << r.file->tag << '_' << faultName(r.fault);
}

std::vector<DataRow> dataRows() {
    std::vector<DataRow> rows;
    for (const DataFileCase& c : files)
        for (DataFault fault : c.faults)
            rows.push_back({&c, fault});
    return rows;
}

class FromTheMenu : public ScreenFixture {
protected:
    void clickMenuButton(const Exercise& e) {
        auto* button =
            control<widgets::PictureButton>(ScreenId::Menu, QString::fromLatin1(e.menuButton));
        ASSERT_NE(button, nullptr);
        QTest::mouseClick(button, Qt::LeftButton);
        settle();
    }

    // One message naming the file and the problem, and the menu in place of the exercise.
    void expectRefused(const Exercise& e, const QString& file, const QString& problem) {
        ASSERT_EQ(errors.size(), 1);
        const std::string message = errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(testSupport::shownPath(file))) << message;
        EXPECT_TRUE(errors[0].contains(problem)) << message;
        EXPECT_FALSE(navigator.isLoaded(e.screen));
        EXPECT_TRUE(navigator.isLoaded(ScreenId::Menu));
        EXPECT_FALSE(ended);
    }

    // The menu still works: with the file mended the exercise opens.
    void expectOpensOnceMended(const Exercise& e, const MaterialCopy& copy, const QString& file) {
        ASSERT_TRUE(copy.restore(file));
        clickMenuButton(e);
        EXPECT_EQ(errors.size(), 1) << errors.join(u'\n').toStdString();
        EXPECT_TRUE(navigator.isLoaded(e.screen));
        EXPECT_FALSE(navigator.isLoaded(ScreenId::Menu));
    }
};

class CorruptData : public FromTheMenu, public testing::WithParamInterface<DataRow> {};

TEST_P(CorruptData, NamesTheFileAndStaysAtAUsableMenu) {
    const DataFileCase& c = *GetParam().file;
    const DataFault fault = GetParam().fault;
    MaterialCopy copy(c.exercise.folder);
    spoilData(copy.path(c.file), fault, c.spot);
    state.basePath = copy.base();
    navigator.show(ScreenId::Menu);
    clickMenuButton(c.exercise);

    if (harmless(c, fault)) {
        EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
        EXPECT_TRUE(navigator.isLoaded(c.exercise.screen));
        return;
    }
    expectRefused(c.exercise, c.file, problemOf(c, fault));
    expectOpensOnceMended(c.exercise, copy, c.file);
}

INSTANTIATE_TEST_SUITE_P(AllExercises, CorruptData, testing::ValuesIn(dataRows()),
                         [](const testing::TestParamInfo<DataRow>& info) {
                             std::ostringstream name;
                             PrintTo(info.param, &name);
                             return name.str();
                         });

// A coefficient problem cannot be answered without its equation picture, so
// the screen checks every one as it opens, as it checks its data files.
struct EquationPictureRow {
    PictureFault fault;
    const char* tag;
    const char* problem;
};

void PrintTo(const EquationPictureRow& r, std::ostream* os) {
    *os << r.tag;
}

class CorruptEquationPicture : public FromTheMenu,
                               public testing::WithParamInterface<EquationPictureRow> {};

TEST_P(CorruptEquationPicture, NamesThePictureAndStaysAtAUsableMenu) {
    const QString picture = QStringLiteral("\\係数\\問題\\m(30).gif");
    MaterialCopy copy(coefficient.folder);
    spoilPicture(copy.path(picture), GetParam().fault);
    state.basePath = copy.base();
    navigator.show(ScreenId::Menu);
    clickMenuButton(coefficient);
    expectRefused(coefficient, picture, QString::fromUtf8(GetParam().problem));
    expectOpensOnceMended(coefficient, copy, picture);
}

INSTANTIATE_TEST_SUITE_P(
    Coefficient, CorruptEquationPicture,
    testing::Values(EquationPictureRow{PictureFault::Missing, "Missing", "見つかりません"},
                    EquationPictureRow{PictureFault::NotAGif, "NotAGif", "画像として読めません"},
                    EquationPictureRow{PictureFault::Empty, "Empty", "空です"},
                    EquationPictureRow{PictureFault::ZeroArea, "ZeroArea", "大きさ"},
                    EquationPictureRow{PictureFault::Huge, "Huge", "大きすぎます"},
                    EquationPictureRow{PictureFault::Oversize, "Oversize", "大きすぎます"},
                    EquationPictureRow{PictureFault::Directory, "Directory", "フォルダ"}),
    [](const testing::TestParamInfo<EquationPictureRow>& info) { return info.param.tag; });

} // namespace
} // namespace corruptTest
