#include "shell/ProgramState.h"
#include "support/ScreenFixture.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/TextLabel.h"

#include <QTest>

using app::createScreen;
using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using util::DataError;
using widgets::PictureButton;
using widgets::TextLabel;

namespace {

class ShellTest : public ScreenFixture {
protected:
    void click(ScreenId id, const QString& button) {
        auto* b = control<PictureButton>(id, button);
        ASSERT_NE(b, nullptr) << button.toStdString();
        QTest::mouseClick(b, Qt::LeftButton);
        settle();
    }
    std::vector<ScreenId> loadedScreens() const {
        std::vector<ScreenId> ids;
        for (int i = 0; i <= static_cast<int>(ScreenId::ReactionHowTo); ++i)
            if (navigator.isLoaded(static_cast<ScreenId>(i)))
                ids.push_back(static_cast<ScreenId>(i));
        return ids;
    }
};

struct Route {
    const char* name;
    const char* menuButton;
    ScreenId screen;
    const char* caption;
    const char* menuReturn; // the screen's メニュー button
    const char* quit;       // its 終了 button
    const char* reference;  // the button that opens its reference screen
    ScreenId referenceScreen;
};

void PrintTo(const Route& r, std::ostream* os) {
    *os << r.name;
}

const Route routes[] = {
    {"formula", "Command1", ScreenId::Formula, "化学式の練習", "command6", "Command5", "Command1",
     ScreenId::IonTable},
    {"coefficient", "Command2", ScreenId::Coefficient, "反応式の係数", "Command2", "Command1",
     "Command3", ScreenId::CoefficientHowTo},
    {"mole", "Command3", ScreenId::Mole, "モル量の計算", "Command2", "Command1", "Command3",
     ScreenId::MoleHowTo},
    {"reaction", "Command4", ScreenId::Reaction, "化学反応の量", "Command2", "Command1", "Command3",
     ScreenId::ReactionHowTo},
};

class RouteTest : public ShellTest, public ::testing::WithParamInterface<Route> {};

TEST_P(RouteTest, MenuToPracticeScreenAndBackKeepsExactlyOneLoaded) {
    const Route& r = GetParam();
    navigator.show(ScreenId::Menu);
    click(ScreenId::Menu, QString::fromLatin1(r.menuButton));
    ASSERT_TRUE(errors.isEmpty()) << errors.first().toStdString();
    EXPECT_EQ(loadedScreens(), std::vector<ScreenId>{r.screen});
    EXPECT_EQ(navigator.loaded(r.screen)->windowTitle(), QString::fromUtf8(r.caption));
    EXPECT_TRUE(navigator.loaded(r.screen)->isVisible());

    click(r.screen, QString::fromLatin1(r.menuReturn));
    EXPECT_EQ(loadedScreens(), std::vector<ScreenId>{ScreenId::Menu});
    EXPECT_FALSE(ended);
}

TEST_P(RouteTest, ReferenceScreenLiesOverThePracticeScreenAndQuitEndsAll) {
    const Route& r = GetParam();
    ASSERT_NE(navigator.show(r.screen), nullptr) << errors.join(u' ').toStdString();
    click(r.screen, QString::fromLatin1(r.reference));
    EXPECT_TRUE(navigator.isLoaded(r.referenceScreen));
    EXPECT_TRUE(navigator.isLoaded(r.screen));
    // Both centred: the reference screen covers the practice screen.
    const QRect practice = navigator.loaded(r.screen)->geometry();
    const QRect reference = navigator.loaded(r.referenceScreen)->geometry();
    EXPECT_LE(std::abs(practice.center().x() - reference.center().x()), 1);
    EXPECT_LE(std::abs(practice.center().y() - reference.center().y()), 1);

    click(r.screen, QString::fromLatin1(r.quit));
    EXPECT_TRUE(ended);
    EXPECT_TRUE(loadedScreens().empty());
}

// The learner moves the reference screen aside and presses メニュー on the
// practice screen beneath: the reference screen goes too. Left over the menu,
// its 戻る (the ion table's loads the formula screen) would put a second main
// screen beside the menu, or beside another practice screen opened meanwhile.
TEST_P(RouteTest, MenuFromBeneathAReferenceScreenTakesTheReferenceScreenAlong) {
    const Route& r = GetParam();
    ASSERT_NE(navigator.show(ScreenId::Menu), nullptr);
    click(ScreenId::Menu, QString::fromLatin1(r.menuButton));
    click(r.screen, QString::fromLatin1(r.reference));
    ASSERT_TRUE(navigator.isLoaded(r.referenceScreen));

    click(r.screen, QString::fromLatin1(r.menuReturn));
    EXPECT_EQ(loadedScreens(), std::vector<ScreenId>{ScreenId::Menu});
    EXPECT_FALSE(ended);
}

INSTANTIATE_TEST_SUITE_P(Screens, RouteTest, ::testing::ValuesIn(routes),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ShellTest, MenuQuitEndsTheProgram) {
    navigator.show(ScreenId::Menu);
    click(ScreenId::Menu, QStringLiteral("Command5"));
    EXPECT_TRUE(ended);
    EXPECT_TRUE(loadedScreens().empty());
}

TEST_F(ShellTest, ClosingTheLastWindowFromItsFrameEndsTheProgram) {
    navigator.show(ScreenId::Menu);
    navigator.loaded(ScreenId::Menu)->close();
    settle();
    EXPECT_TRUE(ended);
}

TEST_F(ShellTest, ClosingOneOfTwoWindowsKeepsTheProgramRunning) {
    navigator.show(ScreenId::Coefficient);
    navigator.show(ScreenId::CoefficientHowTo);
    navigator.loaded(ScreenId::Coefficient)->close();
    settle();
    EXPECT_FALSE(ended);
    click(ScreenId::CoefficientHowTo, QStringLiteral("Command1"));
    EXPECT_TRUE(ended);
}

TEST_F(ShellTest, ExplanationBackOnlyUnloadsItself) {
    ASSERT_NE(navigator.show(ScreenId::Mole), nullptr) << errors.join(u' ').toStdString();
    FormWindow* mole = navigator.loaded(ScreenId::Mole);
    click(ScreenId::Mole, QStringLiteral("Command3"));
    click(ScreenId::MoleHowTo, QStringLiteral("Command1"));
    EXPECT_FALSE(navigator.isLoaded(ScreenId::MoleHowTo));
    EXPECT_EQ(navigator.loaded(ScreenId::Mole), mole); // the same screen, not a fresh one
    EXPECT_FALSE(ended);
}

class IonTableTest : public ShellTest {
protected:
    // Another window stays loaded, so unloading the ion table does not end the program.
    void SetUp() override { navigator.show(ScreenId::Menu); }
    TextLabel* line() {
        auto* l = control<TextLabel>(ScreenId::IonTable, QStringLiteral("Label2"));
        EXPECT_NE(l, nullptr);
        return l;
    }
    bool lineShown() {
        auto* box = control<QWidget>(ScreenId::IonTable, QStringLiteral("Label1"));
        return line() && box && line()->isVisible() && box->isVisible();
    }
};

TEST_F(IonTableTest, ShowsTheSubstanceLineOnlyWhenASubstanceIsSet) {
    navigator.show(ScreenId::IonTable);
    EXPECT_FALSE(lineShown());
    navigator.unload(ScreenId::IonTable);
    settle();

    state.ionTableSubstance = QStringLiteral("硫酸アルミニウム");
    ASSERT_NE(navigator.show(ScreenId::IonTable), nullptr);
    EXPECT_TRUE(lineShown());
    EXPECT_EQ(line()->text(), QStringLiteral("物質は　硫酸アルミニウム　です"));
}

TEST_F(IonTableTest, HowToAndBackReloadsTheSameLine) {
    state.ionTableSubstance = QStringLiteral("塩化ナトリウム");
    navigator.show(ScreenId::IonTable);
    click(ScreenId::IonTable, QStringLiteral("Command1"));
    EXPECT_FALSE(navigator.isLoaded(ScreenId::IonTable));
    ASSERT_TRUE(navigator.isLoaded(ScreenId::FormulaHowTo));
    EXPECT_EQ(navigator.loaded(ScreenId::FormulaHowTo)->windowTitle(),
              QStringLiteral("化学式の作り方"));

    click(ScreenId::FormulaHowTo, QStringLiteral("Command2"));
    EXPECT_FALSE(navigator.isLoaded(ScreenId::FormulaHowTo));
    ASSERT_TRUE(navigator.isLoaded(ScreenId::IonTable));
    ASSERT_NE(line(), nullptr);
    EXPECT_EQ(line()->text(), QStringLiteral("物質は　塩化ナトリウム　です"));
    EXPECT_FALSE(ended);
}

TEST_F(IonTableTest, ShowingItAgainWhileLoadedKeepsItsLine) {
    state.ionTableSubstance = QStringLiteral("塩化ナトリウム");
    navigator.show(ScreenId::IonTable);
    state.ionTableSubstance = QStringLiteral("硝酸銀");
    navigator.show(ScreenId::IonTable);
    EXPECT_EQ(line()->text(), QStringLiteral("物質は　塩化ナトリウム　です"));
}

TEST_F(ShellTest, MenuFromBeneathTheFormulaHowToTakesItAlong) {
    navigator.show(ScreenId::Menu);
    click(ScreenId::Menu, QStringLiteral("Command1"));
    click(ScreenId::Formula, QStringLiteral("Command1"));  // イオン表
    click(ScreenId::IonTable, QStringLiteral("Command1")); // 式作成法
    ASSERT_TRUE(navigator.isLoaded(ScreenId::FormulaHowTo));
    click(ScreenId::Formula, QStringLiteral("command6")); // メニュー, beneath
    EXPECT_EQ(loadedScreens(), std::vector<ScreenId>{ScreenId::Menu});
}

TEST_F(IonTableTest, BackShowsTheFormulaScreenLoadingItWhenGone) {
    navigator.show(ScreenId::IonTable);
    click(ScreenId::IonTable, QStringLiteral("Command2"));
    EXPECT_FALSE(navigator.isLoaded(ScreenId::IonTable));
    ASSERT_TRUE(errors.isEmpty()) << errors.first().toStdString();
    EXPECT_TRUE(navigator.isLoaded(ScreenId::Formula));
}

// A screen whose data cannot be read is never shown; the learner is told
// which file is wrong and gets the menu.
class BrokenForm : public FormWindow {
public:
    explicit BrokenForm(Navigator& nav)
        : FormWindow(nav, ScreenId::Coefficient, QStringLiteral("係数"),
                     QStringLiteral("反応式の係数"), QSize(751, 501)) {}
    void load() override {
        throw DataError(QStringLiteral("\\係数\\問題.dat"), 3, QStringLiteral("欄が足りません"));
    }
};

TEST_F(ShellTest, DataErrorReportsTheFileAndReturnsToTheMenu) {
    navigator.setFactory([](Navigator& nav, ScreenId id) -> FormWindow* {
        if (id == ScreenId::Coefficient)
            return new BrokenForm(nav);
        return createScreen(nav, id);
    });
    // Like a message box, the reporter runs an event loop of its own; the
    // menu must already be back by then, or the program would end.
    bool menuDuringMessage = false;
    navigator.setErrorReporter([&](const DataError& e) {
        errors << e.message();
        settle();
        menuDuringMessage = navigator.isLoaded(ScreenId::Menu);
    });
    navigator.show(ScreenId::Menu);
    click(ScreenId::Menu, QStringLiteral("Command2"));
    ASSERT_EQ(errors.size(), 1);
    EXPECT_TRUE(errors.first().contains(QStringLiteral("係数/問題.dat")));
    EXPECT_TRUE(errors.first().contains(QStringLiteral("3 行目")));
    EXPECT_EQ(loadedScreens(), std::vector<ScreenId>{ScreenId::Menu});
    EXPECT_TRUE(menuDuringMessage);
    EXPECT_FALSE(ended);
}

} // namespace
