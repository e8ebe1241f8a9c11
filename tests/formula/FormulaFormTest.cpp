// The formula screen through its widgets, offscreen.
#include "formula/FormulaForm.h"

#include "FormulaTestSupport.h"
#include "formula/Compound.h"
#include "practice/PracticeChrome.h"
#include "support/ScreenFixture.h"
#include "util/MaterialPath.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/RectShape.h"
#include "util/widgets/TextLabel.h"

#include <QTest>

#include <gtest/gtest.h>

using formula::compoundName;
using formula::FormulaForm;
using shell::ScreenId;
using util::materialPath;
using widgets::ImageBox;
using widgets::RectShape;
using widgets::TextLabel;

namespace {

using namespace formulaTest;

const QColor selectedBlue(0, 0, 150);
const QColor correctGreen(0, 200, 0);
const QColor wrongRed(255, 0, 0);

class FormulaFormTest : public ScreenFixture {
protected:
    FormulaForm* open() { return static_cast<FormulaForm*>(navigator.show(ScreenId::Formula)); }

    template <class T = QWidget> T* get(const QString& name) {
        T* w = control<T>(ScreenId::Formula, name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    void click(const QString& name) {
        QTest::mouseClick(get(name), Qt::LeftButton, {}, QPoint(4, 4));
    }
    void clickRow(int r) { click(QStringLiteral("Image4_%1").arg(r)); }
    // Chooses the row and clicks the palette entries of a glyph-code string.
    void enterCodes(int r, const QString& codes) {
        clickRow(r);
        for (qsizetype i = 0; i < codes.size(); i += 2)
            click(QStringLiteral("Image2_%1").arg(codes.mid(i, 2).toInt()));
    }
    RectShape* shape(int r) { return get<RectShape>(QStringLiteral("Shape1_%1").arg(r)); }
    ImageBox* cell(int r, int c) {
        return get<ImageBox>(QStringLiteral("Image%1_%2").arg(r + 6).arg(c));
    }
    QString glyphPicture(int n) {
        return materialPath(state.basePath, QStringLiteral("\\化学式\\元素\\gen(%1).gif").arg(n));
    }
    bool shown(const QString& name) { return !get(name)->isHidden(); }
};

TEST_F(FormulaFormTest, ControlsLieWhereTheLayoutPutsThem) {
    ASSERT_TRUE(open());
    const struct {
        const char* name;
        QRect rect;
    } expected[] = {
        {"Image1", {21, 21, 586, 81}},      {"Image2_1", {21, 21, 46, 41}},
        {"Image2_13", {561, 21, 46, 41}},   {"Image2_14", {21, 61, 46, 41}},
        {"Image2_26", {561, 61, 46, 41}},   {"Image3", {21, 117, 711, 307}},
        {"Image4_1", {21, 143, 356, 58}},   {"Image4_4", {21, 309, 356, 58}},
        {"Image4_5", {21, 367, 356, 58}},   {"Image4_6", {376, 143, 356, 58}},
        {"Image4_7", {376, 198, 356, 58}},  {"Image4_9", {376, 310, 356, 58}},
        {"Label1_1", {49, 164, 161, 30}},   {"Label1_5", {49, 388, 161, 30}},
        {"Label1_6", {404, 164, 161, 30}},  {"Shape1_1", {211, 144, 166, 56}},
        {"Shape1_10", {566, 368, 166, 56}}, {"Image7_1", {216, 144, 15, 56}},
        {"Image7_11", {356, 144, 15, 56}},  {"Image11_2", {230, 368, 15, 56}},
        {"Image16_11", {711, 368, 15, 56}}, {"Command1", {158, 445, 115, 35}},
        {"Command2", {284, 445, 115, 35}},  {"Command3", {410, 445, 115, 35}},
        {"Command4", {536, 445, 115, 35}},
    };
    for (const auto& e : expected)
        EXPECT_EQ(get(QString::fromUtf8(e.name))->geometry(), e.rect) << e.name;
}

TEST_F(FormulaFormTest, PaletteEntriesSayWhatTheyAre) {
    ASSERT_TRUE(open());
    const struct {
        int n;
        const char* tooltip;
        const char* spoken;
    } expected[] = {{1, "アルミニウム", "アルミニウム"},
                    {22, "左カッコ", "左カッコ"},
                    {24, "2", "下付きの2"},
                    {26, "4", "下付きの4"}};
    for (const auto& e : expected) {
        QWidget* entry = get(QStringLiteral("Image2_%1").arg(e.n));
        EXPECT_EQ(entry->toolTip(), QString::fromUtf8(e.tooltip));
        EXPECT_EQ(entry->accessibleName(), QString::fromUtf8(e.spoken));
    }
    EXPECT_EQ(get(QStringLiteral("Image4_10"))->accessibleName(), QStringLiteral("解答欄⑩"));
}

TEST_F(FormulaFormTest, EachRowAreaTakesTheClicksOfItsRow) {
    FormulaForm* form = open();
    ASSERT_TRUE(form);
    for (int r = 1; r <= 10; ++r) {
        QWidget* area = get(QStringLiteral("Image4_%1").arg(r));
        for (const QString& part :
             {QStringLiteral("Label1_%1").arg(r), QStringLiteral("Shape1_%1").arg(r),
              QStringLiteral("Image%1_1").arg(r + 6), QStringLiteral("Image%1_11").arg(r + 6)})
            EXPECT_EQ(form->childAt(get(part)->geometry().center()), area) << part.toStdString();
    }
}

TEST_F(FormulaFormTest, EveryCompoundNameFitsItsLabel) {
    ASSERT_TRUE(open());
    auto* label = get<TextLabel>(QStringLiteral("Label1_1"));
    for (int n = 1; n <= material().pairCount(); ++n) {
        const QString name = compoundName(material(), material().pair(n));
        EXPECT_LE(label->fontMetrics().horizontalAdvance(name), label->width())
            << name.toStdString();
    }
}

TEST_F(FormulaFormTest, OneFullSetFromFirstClickToNext) {
    FormulaForm* form = open();
    ASSERT_TRUE(form);
    QStringList firstNames;
    for (int r = 1; r <= 10; ++r) {
        firstNames << get<TextLabel>(QStringLiteral("Label1_%1").arg(r))->text();
        EXPECT_EQ(firstNames.back(), form->practice().row(r).name);
    }

    // Eight right, two wrong: the correct glyphs in the wrong order.
    for (int r = 1; r <= 10; ++r) {
        QString codes = form->practice().row(r).correctCode;
        if (r > 8)
            codes = codes.mid(2) + codes.left(2);
        enterCodes(r, codes);
    }
    EXPECT_EQ(shape(10)->fillColor(), selectedBlue);
    EXPECT_TRUE(shape(10)->isFilled());
    EXPECT_FALSE(shape(9)->isFilled());
    click(QStringLiteral("Command4"));
    for (int r = 1; r <= 10; ++r) {
        EXPECT_EQ(shape(r)->fillColor(), r <= 8 ? correctGreen : wrongRed) << r;
        EXPECT_TRUE(shape(r)->isFilled()) << r;
    }
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label5"))->text(), QStringLiteral("80"));
    EXPECT_TRUE(shown(QStringLiteral("Image6")));
    EXPECT_FALSE(shown(QStringLiteral("Command4")));
    EXPECT_FALSE(shown(QStringLiteral("command7")));

    clock.advance(3);
    form->chrome().markTick();
    ASSERT_TRUE(shown(QStringLiteral("Command4")));
    for (int r = 9; r <= 10; ++r) {
        clickRow(r);
        click(QStringLiteral("Command2")); // 全式削除
        enterCodes(r, form->practice().row(r).correctCode);
    }
    click(QStringLiteral("Command4"));
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label5"))->text(), QStringLiteral("100"));
    EXPECT_TRUE(shown(QStringLiteral("command7")));

    click(QStringLiteral("command7"));
    EXPECT_FALSE(shown(QStringLiteral("command7")));
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label5"))->text(), QStringLiteral("100"));
    QStringList newNames;
    for (int r = 1; r <= 10; ++r) {
        newNames << get<TextLabel>(QStringLiteral("Label1_%1").arg(r))->text();
        EXPECT_FALSE(shape(r)->isFilled()) << r;
        for (int c = 1; c <= 11; ++c)
            EXPECT_FALSE(cell(r, c)->hasPicture()) << r << "," << c;
    }
    for (const QString& name : newNames)
        EXPECT_FALSE(firstNames.contains(name))
            << name.toStdString(); // none of the last 101 comes back
}

TEST_F(FormulaFormTest, WideGlyphPicturesReachOverTheNextCell) {
    ASSERT_TRUE(open());
    enterCodes(2, QStringLiteral("1707")); // Na, Cl
    EXPECT_EQ(cell(2, 1)->picturePath(), glyphPicture(17));
    EXPECT_EQ(cell(2, 1)->geometry(), QRect(216, 200, 29, 56));
    EXPECT_FALSE(cell(2, 2)->hasPicture());
    EXPECT_EQ(cell(2, 3)->picturePath(), glyphPicture(7));
    EXPECT_EQ(get(QStringLiteral("Image8_3"))->accessibleName(), QStringLiteral("塩素"));

    click(QStringLiteral("Command3")); // 一字削除
    EXPECT_FALSE(cell(2, 3)->hasPicture());
    EXPECT_EQ(cell(2, 3)->geometry(), QRect(244, 200, 15, 56));
    click(QStringLiteral("Command3"));
    EXPECT_FALSE(cell(2, 1)->hasPicture());
    EXPECT_EQ(cell(2, 1)->geometry(), QRect(216, 200, 15, 56));
}

TEST_F(FormulaFormTest, GlyphBeforeChoosingARowShowsTheBanner) {
    FormulaForm* form = open();
    ASSERT_TRUE(form);
    EXPECT_FALSE(shown(QStringLiteral("Label4")));
    click(QStringLiteral("Image2_5"));
    EXPECT_TRUE(shown(QStringLiteral("Label3")));
    ASSERT_TRUE(shown(QStringLiteral("Label4")));
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label4"))->text(),
              QStringLiteral("解答欄を選択した後、元素記号をクリックして下さい"));
    // Above the rows it lies over.
    QWidget* banner = get(QStringLiteral("Label4"));
    EXPECT_EQ(form->childAt(banner->geometry().center()), banner);
    for (int r = 1; r <= 10; ++r)
        EXPECT_FALSE(cell(r, 1)->hasPicture());

    click(QStringLiteral("Command3"));
    EXPECT_EQ(get<TextLabel>(QStringLiteral("Label4"))->text(),
              QStringLiteral("解答欄を選択した後、実行して下さい"));
}

TEST_F(FormulaFormTest, IonTableShowsTheChosenCompound) {
    FormulaForm* form = open();
    ASSERT_TRUE(form);
    clickRow(3);
    click(QStringLiteral("Command1"));
    EXPECT_EQ(state.ionTableSubstance, form->practice().row(3).name);
    ASSERT_TRUE(navigator.isLoaded(ScreenId::IonTable));
    EXPECT_EQ(control<TextLabel>(ScreenId::IonTable, QStringLiteral("Label2"))->text(),
              QStringLiteral("物質は　") + form->practice().row(3).name + QStringLiteral("　です"));
    EXPECT_TRUE(navigator.isLoaded(ScreenId::Formula)); // stays underneath with its state
    EXPECT_EQ(form->practice().selectedRow(), 3);

    navigator.unload(ScreenId::IonTable);
    settle();
    click(QStringLiteral("Command4")); // judging leaves no row chosen
    click(QStringLiteral("Command1"));
    EXPECT_EQ(state.ionTableSubstance, QString());
}

TEST_F(FormulaFormTest, ANewSetStartsTheHighlightAfresh) {
    FormulaForm* form = open();
    ASSERT_TRUE(form);
    QTest::mouseMove(get(QStringLiteral("Image2_5")), QPoint(5, 5));
    ASSERT_TRUE(get<ImageBox>(QStringLiteral("Image2_5"))->hasPicture());
    for (int r = 1; r <= 10; ++r)
        enterCodes(r, form->practice().row(r).correctCode);
    click(QStringLiteral("Command4"));
    click(QStringLiteral("command7"));
    EXPECT_FALSE(get<ImageBox>(QStringLiteral("Image2_5"))->hasPicture());
    EXPECT_EQ(form->chrome().hover().highlighted(), 1);
    EXPECT_EQ(form->chrome().hover().hovered(), 1);
}

} // namespace
