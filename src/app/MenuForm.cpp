#include "MenuForm.h"

#include "MenuArt.h"
#include "ScreenWarmUp.h"
#include "shell/Navigator.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"

namespace app {

using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using widgets::FaceColors;
using widgets::ImageBox;
using widgets::PictureButton;

namespace {
using widgets::Place;

constexpr Place titlePlace{.name = "Image1", .rect = {82, 30, 270, 66}};
struct Entry {
    Place place;
    const char16_t* face;
    ScreenId target;
};
constexpr Entry entries[] = {
    {{.name = "Command1", .rect = {91, 118, 250, 50}}, u"化学式の練習", ScreenId::Formula},
    {{.name = "Command2", .rect = {91, 188, 250, 50}}, u"反応式の係数", ScreenId::Coefficient},
    {{.name = "Command3", .rect = {91, 258, 250, 50}}, u"モル量の計算", ScreenId::Mole},
    {{.name = "Command4", .rect = {91, 328, 250, 50}}, u"化学反応の量", ScreenId::Reaction},
};
constexpr Place quitPlace{.name = "Command5", .rect = {91, 398, 250, 50}};
} // namespace

MenuForm::MenuForm(Navigator& navigator)
    : FormWindow(navigator, ScreenId::Menu, QStringLiteral("メニュー"), QStringLiteral("メニュー"),
                 QSize(427, 482)) {
    auto* title = new ImageBox(this, titlePlace, QStringLiteral("化学ドリル"));
    title->setArt(menuPicture(QStringLiteral("menu-title")));

    const FaceColors blue{QColor(0, 60, 170), Qt::white};
    for (const Entry& e : entries) {
        auto* button = new PictureButton(this, e.place, QString::fromUtf16(e.face), blue, 16);
        button->setFaceArt(menuPicture(QStringLiteral("menu-command%1").arg(&e - entries + 1)));
        const ScreenId target = e.target;
        connect(button, &PictureButton::clicked, this, [this, target] { open(target); });
    }
    auto* quit = new PictureButton(this, quitPlace, QStringLiteral("終了"), {}, 16);
    quit->setFaceArt(menuPicture(QStringLiteral("menu-command5")));
    connect(quit, &PictureButton::clicked, this, [this] {
        Navigator& nav = this->navigator();
        nav.unload(ScreenId::Menu);
        nav.endProgram();
    });
}

void MenuForm::open(ScreenId id) {
    // The navigator outlives this window, which the unload discards.
    Navigator& nav = this->navigator();
    nav.unload(ScreenId::Menu);
    nav.show(id);
}

void MenuForm::paintEvent(QPaintEvent* e) {
    FormWindow::paintEvent(e);
    // The menu is drawn from prerendered pictures; once it is on the screen,
    // prepare the practice screens while the learner reads it.
    ScreenWarmUp::startOnce(navigator());
}

} // namespace app
