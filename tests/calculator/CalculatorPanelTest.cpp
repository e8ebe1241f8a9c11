#include "support/ScreenFixture.h"
#include "util/widgets/Controls.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"

#include <QLabel>
#include <QTest>

using shell::ScreenId;
using widgets::groupName;
using widgets::ImageBox;
using widgets::PictureButton;

namespace {

// The calculator as the learner meets it on both screens: real clicks on the
// panel's keys, read back from the display and the memory mark.
class CalculatorPanelTest : public ScreenFixture, public ::testing::WithParamInterface<ScreenId> {
protected:
    void SetUp() override {
        ASSERT_NE(navigator.show(GetParam()), nullptr);
        frame = control(GetParam(), QStringLiteral("Frame1"));
        ASSERT_NE(frame, nullptr);
        display = frame->findChild<QLabel*>(QStringLiteral("Label1"));
        memoryMark = frame->findChild<ImageBox*>(QStringLiteral("Image3"));
        ASSERT_NE(display, nullptr);
        ASSERT_NE(memoryMark, nullptr);
    }

    // Clicks key command6_<key> of the panel.
    void click(int key) {
        auto* button = frame->findChild<PictureButton*>(groupName(QStringLiteral("command6"), key));
        ASSERT_NE(button, nullptr) << "key " << key;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    QWidget* frame = nullptr;
    QLabel* display = nullptr;
    ImageBox* memoryMark = nullptr;
};

TEST_P(CalculatorPanelTest, ClicksComputeAndTheDisplayFollows) {
    EXPECT_EQ(display->text(), QStringLiteral("0")) << "the screen's load resets the calculator";
    EXPECT_FALSE(memoryMark->isVisible());
    const struct {
        int key;
        const char* shown;
    } steps[] = {{1, "1"}, {2, "12"}, {16, "12"}, {3, "3"},   {17, "15"}, {14, "15"},
                 {0, "0"}, {17, "E"}, {11, "0"},  {10, "0."}, {5, "0.5"}};
    for (const auto& step : steps) {
        click(step.key);
        EXPECT_EQ(display->text(), QString::fromLatin1(step.shown)) << "after key " << step.key;
    }
}

TEST_P(CalculatorPanelTest, MemoryMarkShowsWhileAValueIsStored) {
    for (int key : {4, 2, 18})
        click(key);
    EXPECT_TRUE(memoryMark->isVisible());
    click(12);
    click(19);
    EXPECT_EQ(display->text(), QStringLiteral("42"));
    EXPECT_TRUE(memoryMark->isVisible());
    click(11);
    EXPECT_FALSE(memoryMark->isVisible());
    EXPECT_EQ(display->text(), QStringLiteral("0"));
}

INSTANTIATE_TEST_SUITE_P(Screens, CalculatorPanelTest,
                         ::testing::Values(ScreenId::Mole, ScreenId::Reaction),
                         [](const auto& info) {
                             return info.param == ScreenId::Mole ? std::string("Mole")
                                                                 : std::string("Reaction");
                         });

} // namespace
