#include "MenuForm.h"

#include "MenuArt.h"
#include "shell/Navigator.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"

#include <QTimer>

namespace app {

using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using widgets::FaceColors;
using widgets::ImageBox;
using widgets::PictureButton;

MenuForm::MenuForm(Navigator& navigator)
    : FormWindow(navigator, ScreenId::Menu, QStringLiteral("メニュー"), QStringLiteral("メニュー"),
                 QSize(427, 482)) {
    auto* title = new ImageBox(this, QStringLiteral("Image1"), QRect(82, 30, 270, 66),
                               QStringLiteral("化学ドリル"));
    title->setArt(menuPicture(QStringLiteral("menu-title")));

    struct Entry {
        const char* name;
        int top;
        QString face;
        ScreenId target;
    };
    const Entry entries[] = {
        {"Command1", 118, QStringLiteral("化学式の練習"), ScreenId::Formula},
        {"Command2", 188, QStringLiteral("反応式の係数"), ScreenId::Coefficient},
        {"Command3", 258, QStringLiteral("モル量の計算"), ScreenId::Mole},
        {"Command4", 328, QStringLiteral("化学反応の量"), ScreenId::Reaction},
    };
    const FaceColors blue{QColor(0, 60, 170), Qt::white};
    for (const Entry& e : entries) {
        auto* button = new PictureButton(this, QString::fromLatin1(e.name),
                                         QRect(91, e.top, 250, 50), e.face, blue, 16);
        button->setFaceArt(menuPicture(QStringLiteral("menu-command%1").arg(&e - entries + 1)));
        const ScreenId target = e.target;
        connect(button, &PictureButton::clicked, this, [this, target] { open(target); });
    }
    auto* quit = new PictureButton(this, QStringLiteral("Command5"), QRect(91, 398, 250, 50),
                                   QStringLiteral("終了"), {}, 16);
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
    if (fontsWarmed_)
        return;
    fontsWarmed_ = true;
    // The menu is drawn from prerendered pictures; load the fonts the other
    // screens need while the learner reads it.
    QTimer::singleShot(0, this, warmUpFonts);
}

} // namespace app
