#include "practice/PracticeChrome.h"

#include "support/ScreenFixture.h"
#include "util/MaterialPath.h"
#include "util/widgets/Controls.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/TextLabel.h"

#include <QTest>
#include <QTimer>

#include <functional>

using app::createScreen;
using practice::PracticeChrome;
using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using util::materialPath;
using widgets::groupName;
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::TextLabel;

namespace {

// A practice screen with only the shared elements and a three-entry palette,
// standing in for the formula screen.
class ChromeOnlyForm : public FormWindow {
public:
    explicit ChromeOnlyForm(Navigator& nav)
        : FormWindow(nav, ScreenId::Formula, QStringLiteral("化学式"),
                     QStringLiteral("化学式の練習"), QSize(751, 501)),
          chrome(new PracticeChrome(*this, nav, practice::formulaScreen())) {
        QVector<ImageBox*> entries;
        for (int k = 1; k <= 3; ++k)
            entries << new ImageBox(this, groupName(QStringLiteral("Image2"), k),
                                    QRect(21 + 45 * (k - 1), 21, 46, 41));
        const QString base = nav.state().basePath;
        chrome->attachPalette(
            entries,
            [base](int k) {
                return materialPath(base, QStringLiteral("\\化学式\\画像\\g(%1).gif").arg(k));
            },
            1, 1);
        chrome->raiseOverlays();
    }
    PracticeChrome* chrome;
};

class PracticeChromeTest : public ScreenFixture {
protected:
    void SetUp() override {
        navigator.setFactory([](Navigator& nav, ScreenId id) -> FormWindow* {
            if (id == ScreenId::Formula)
                return new ChromeOnlyForm(nav);
            return createScreen(nav, id);
        });
        form = static_cast<ChromeOnlyForm*>(navigator.show(ScreenId::Formula));
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
    }
    template <class T = QWidget> T* find(const QString& name) { return form->findChild<T*>(name); }
    bool bannerUp() {
        return find(QStringLiteral("Label3"))->isVisible() &&
               find(QStringLiteral("Label4"))->isVisible();
    }

    ChromeOnlyForm* form = nullptr;
};

TEST_F(PracticeChromeTest, BannerShowsTheTextAndHidesAfterItsPeriod) {
    EXPECT_FALSE(bannerUp());
    clock.advanceTo(36000.4);
    form->chrome->showBanner(QStringLiteral("解答欄を選択した後、元素記号をクリックして下さい"));
    EXPECT_TRUE(bannerUp());
    EXPECT_EQ(find<TextLabel>(QStringLiteral("Label4"))->text(),
              QStringLiteral("解答欄を選択した後、元素記号をクリックして下さい"));
    auto* timer = find<QTimer>(QStringLiteral("Timer1"));
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 100);

    clock.advanceTo(36001.45);
    form->chrome->bannerTick();
    EXPECT_TRUE(bannerUp());
    clock.advanceTo(36001.55);
    form->chrome->bannerTick();
    EXPECT_FALSE(bannerUp());
    EXPECT_FALSE(timer->isActive());
}

TEST_F(PracticeChromeTest, RepeatedBannerRestartsItsPeriod) {
    clock.advanceTo(36000.0);
    form->chrome->showBanner(QStringLiteral("a"));
    clock.advanceTo(36001.0);
    form->chrome->showBanner(QStringLiteral("b"));
    clock.advanceTo(36002.0);
    form->chrome->bannerTick();
    EXPECT_TRUE(bannerUp());
    clock.advanceTo(36002.55);
    form->chrome->bannerTick();
    EXPECT_FALSE(bannerUp());
}

TEST_F(PracticeChromeTest, LegendStandsInForTheJudgeButtonForTwoSeconds) {
    auto* judge = find<PictureButton>(QStringLiteral("Command4"));
    auto* legend = find(QStringLiteral("Image6"));
    EXPECT_TRUE(judge->isVisible());
    EXPECT_FALSE(legend->isVisible());
    EXPECT_EQ(judge->geometry(), legend->geometry());

    clock.advanceTo(50000.2);
    form->chrome->showMark();
    EXPECT_FALSE(judge->isVisible());
    EXPECT_TRUE(legend->isVisible());
    clock.advanceTo(50002.0);
    form->chrome->markTick();
    EXPECT_TRUE(legend->isVisible());
    clock.advanceTo(50002.05);
    form->chrome->markTick();
    EXPECT_FALSE(legend->isVisible());
    EXPECT_TRUE(judge->isVisible());
    EXPECT_FALSE(find<QTimer>(QStringLiteral("Timer2"))->isActive());
}

TEST_F(PracticeChromeTest, LegendReturnsOnTimeWhenTheClockIsSetBack) {
    auto* judge = find<PictureButton>(QStringLiteral("Command4"));
    clock.advanceTo(50000.2);
    form->chrome->showMark();
    clock.setTimeOfDay(50000.2 - 3600);
    clock.advance(1.5);
    form->chrome->markTick();
    EXPECT_FALSE(judge->isVisible());
    clock.advance(0.35);
    form->chrome->markTick();
    EXPECT_TRUE(judge->isVisible());
}

TEST_F(PracticeChromeTest, AnOutcomeSetsScoreBannerLegendAndNextButton) {
    auto* label = find<TextLabel>(QStringLiteral("Label5"));
    auto* next = find<PictureButton>(QStringLiteral("command7"));
    auto* legend = find(QStringLiteral("Image6"));
    EXPECT_EQ(label->text(), QString());
    EXPECT_FALSE(next->isVisible());

    form->chrome->apply({.banner = {}, .showMark = true, .newlyCorrect = 2, .complete = true});
    EXPECT_EQ(label->text(), QStringLiteral("20"));
    EXPECT_TRUE(next->isVisible());
    EXPECT_TRUE(legend->isVisible());
    EXPECT_FALSE(bannerUp());

    // 次 follows the rules' flag both ways; an empty outcome adds nothing.
    form->chrome->apply({.banner = QStringLiteral("解答欄を選択して下さい")});
    EXPECT_FALSE(next->isVisible());
    EXPECT_TRUE(bannerUp());
    EXPECT_EQ(label->text(), QStringLiteral("20"));
}

TEST_F(PracticeChromeTest, HoverHighlightFollowsThePointer) {
    auto entry = [&](int k) { return find<ImageBox>(groupName(QStringLiteral("Image2"), k)); };
    // On a real X server the pointer move arrives asynchronously: wait for
    // the state the move must lead to.
    auto moveTo = [&](QWidget* w, QPoint at, const std::function<bool()>& settled) {
        QTest::mouseMove(w, at);
        return QTest::qWaitFor(settled, 2000);
    };
    auto shows = [&](int k) { return [&, k] { return entry(k)->hasPicture(); }; };
    auto empty = [&](int k) { return [&, k] { return !entry(k)->hasPicture(); }; };

    // Entry 1 counts as highlighted at load, so moving straight onto it shows nothing.
    EXPECT_TRUE(moveTo(entry(1), {20, 20}, [&] { return form->chrome->hover().hovered() == 1; }));
    EXPECT_FALSE(entry(1)->hasPicture());
    EXPECT_TRUE(moveTo(entry(2), {30, 20}, shows(2)));
    EXPECT_TRUE(entry(2)->picturePath().endsWith(QStringLiteral("g(2).gif")));
    EXPECT_TRUE(moveTo(entry(3), {10, 10}, shows(3)));
    EXPECT_FALSE(entry(2)->hasPicture());
    EXPECT_TRUE(moveTo(form, {300, 300}, empty(3))); // the bare background
    EXPECT_EQ(form->chrome->hover().highlighted(), -1);
    EXPECT_TRUE(moveTo(entry(3), {12, 12}, shows(3)));
}

TEST_F(PracticeChromeTest, QuitEndsTheProgramAndMenuReturnsToIt) {
    QTest::mouseClick(find<PictureButton>(QStringLiteral("command6")), Qt::LeftButton);
    settle();
    EXPECT_FALSE(navigator.isLoaded(ScreenId::Formula));
    EXPECT_TRUE(navigator.isLoaded(ScreenId::Menu));
    EXPECT_FALSE(ended);

    navigator.unload(ScreenId::Menu);
    form = static_cast<ChromeOnlyForm*>(navigator.show(ScreenId::Formula));
    QTest::mouseClick(find<PictureButton>(QStringLiteral("Command5")), Qt::LeftButton);
    settle();
    EXPECT_TRUE(ended);
    EXPECT_FALSE(navigator.isLoaded(ScreenId::Formula));
}

} // namespace
