#include "support/ScreenFixture.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QGuiApplication>
#include <QScreen>

using shell::FormWindow;
using shell::ScreenId;
using widgets::ImageBox;
using widgets::PictureButton;

namespace {

struct Window {
    const char* name;
    ScreenId id;
    const char* formName;
    const char* caption;
    QSize size;
};

void PrintTo(const Window& w, std::ostream* os) {
    *os << w.name;
}

const Window windows[] = {
    {"menu", ScreenId::Menu, "メニュー", "メニュー", {427, 482}},
    {"formula", ScreenId::Formula, "化学式", "化学式の練習", {751, 501}},
    {"coefficient", ScreenId::Coefficient, "係数", "反応式の係数", {751, 501}},
    {"mole", ScreenId::Mole, "モル", "モル量の計算", {751, 501}},
    {"reaction", ScreenId::Reaction, "反応量", "化学反応の量", {751, 501}},
    {"ionTable", ScreenId::IonTable, "イオン表", "陽イオンと陰イオン", {751, 501}},
    {"formulaHowTo", ScreenId::FormulaHowTo, "化学式作成", "化学式の作り方", {751, 501}},
    {"coefficientHowTo", ScreenId::CoefficientHowTo, "係数決定法", "係数決定法", {749, 499}},
    {"moleHowTo", ScreenId::MoleHowTo, "モル計算法", "モルの計算方法", {749, 499}},
    {"reactionHowTo", ScreenId::ReactionHowTo, "反応量計算法", "モルの計算方法", {749, 499}},
};

class ScreenPropertiesTest : public ScreenFixture, public ::testing::WithParamInterface<Window> {
protected:
    FormWindow* open() {
        FormWindow* w = navigator.show(GetParam().id);
        if (!w || w->screenId() != GetParam().id)
            return nullptr;
        return w;
    }
};

TEST_P(ScreenPropertiesTest, CaptionSizeBackgroundAndPlace) {
    FormWindow* w = open();
    ASSERT_NE(w, nullptr) << "the screen did not load: " << errors.join(u' ').toStdString();
    const Window& p = GetParam();
    EXPECT_EQ(w->objectName(), QString::fromUtf8(p.formName));
    EXPECT_EQ(w->windowTitle(), QString::fromUtf8(p.caption));
    EXPECT_EQ(w->size(), p.size);
    EXPECT_EQ(w->minimumSize(), p.size);
    EXPECT_EQ(w->maximumSize(), p.size);
    EXPECT_EQ(w->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_FALSE(w->windowIcon().isNull());
    const QRect avail = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_EQ(w->pos(), QPoint(avail.x() + (avail.width() - p.size.width()) / 2,
                               avail.y() + (avail.height() - p.size.height()) / 2));
}

// Every control can be found by name and used through the accessibility tree:
// buttons and clickable image boxes say what they are and can be pressed.
TEST_P(ScreenPropertiesTest, EveryControlIsNamedAndPressable) {
    FormWindow* w = open();
    ASSERT_NE(w, nullptr) << "the screen did not load: " << errors.join(u' ').toStdString();
    for (QWidget* c : w->findChildren<QWidget*>()) {
        if (c->objectName().startsWith(QLatin1String("qt_")))
            continue;
        EXPECT_FALSE(c->objectName().isEmpty()) << c->metaObject()->className();
        auto* button = qobject_cast<PictureButton*>(c);
        auto* box = qobject_cast<ImageBox*>(c);
        if (!button && !(box && box->isClickable()))
            continue;
        EXPECT_FALSE(c->accessibleName().isEmpty()) << c->objectName().toStdString();
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(c);
        ASSERT_NE(a, nullptr) << c->objectName().toStdString();
        EXPECT_EQ(a->role(), QAccessible::Button) << c->objectName().toStdString();
        EXPECT_EQ(a->text(QAccessible::Name), c->accessibleName());
        ASSERT_NE(a->actionInterface(), nullptr) << c->objectName().toStdString();
        EXPECT_TRUE(
            a->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()))
            << c->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Screens, ScreenPropertiesTest, ::testing::ValuesIn(windows),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
