#include "HowToForms.h"

#include "ReferenceArt.h"
#include "shell/Navigator.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"

namespace app {

using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using widgets::ImageBox;
using widgets::PictureButton;

ExplanationForm::ExplanationForm(Navigator& navigator, const Page& page)
    : FormWindow(navigator, page.id, page.formName, page.caption, page.clientSize) {
    auto* picture = new ImageBox(this, page.picture, page.pictureName);
    picture->setArt(referencePicture(page.resource));
    auto* back = new PictureButton(this, page.back, QStringLiteral("戻る"));
    const ScreenId self = page.id;
    const ScreenId target = page.backTo;
    const bool showsOther = page.showsOther;
    connect(back, &PictureButton::clicked, this, [this, self, target, showsOther] {
        Navigator& nav = this->navigator();
        nav.unload(self);
        if (showsOther)
            nav.show(target);
    });
}

FormulaHowToForm::FormulaHowToForm(Navigator& navigator)
    : ExplanationForm(navigator,
                      {
                          .id = ScreenId::FormulaHowTo,
                          .formName = QStringLiteral("化学式作成"),
                          .caption = QStringLiteral("化学式の作り方"),
                          .clientSize = QSize(751, 501),
                          .picture = {.name = "Image1", .rect = {74, 14, 570, 417}},
                          .resource = QStringLiteral(":/assets/reference/formula-howto.html"),
                          .pictureName = QStringLiteral("化学式の作り方の説明"),
                          .back = {.name = "Command2", .rect = {586, 446, 115, 35}},
                          .backTo = ScreenId::IonTable,
                          .showsOther = true,
                      }) {}

CoefficientHowToForm::CoefficientHowToForm(Navigator& navigator)
    : ExplanationForm(navigator,
                      {
                          .id = ScreenId::CoefficientHowTo,
                          .formName = QStringLiteral("係数決定法"),
                          .caption = QStringLiteral("係数決定法"),
                          .clientSize = QSize(749, 499),
                          .picture = {.name = "Image1", .rect = {63, 25, 634, 385}},
                          .resource = QStringLiteral(":/assets/reference/coefficient-howto.html"),
                          .pictureName = QStringLiteral("係数の決め方の説明"),
                          .back = {.name = "Command1", .rect = {595, 425, 115, 35}},
                          .backTo = ScreenId::Menu,
                          .showsOther = false,
                      }) {}

MoleHowToForm::MoleHowToForm(Navigator& navigator)
    : ExplanationForm(navigator,
                      {
                          .id = ScreenId::MoleHowTo,
                          .formName = QStringLiteral("モル計算法"),
                          .caption = QStringLiteral("モルの計算方法"),
                          .clientSize = QSize(749, 499),
                          .picture = {.name = "Image1", .rect = {114, 43, 515, 376}},
                          .resource = QStringLiteral(":/assets/reference/mole-howto.html"),
                          .pictureName = QStringLiteral("モルの計算方法の説明"),
                          .back = {.name = "Command1", .rect = {588, 435, 115, 35}},
                          .backTo = ScreenId::Menu,
                          .showsOther = false,
                      }) {}

ReactionHowToForm::ReactionHowToForm(Navigator& navigator)
    : ExplanationForm(navigator,
                      {
                          .id = ScreenId::ReactionHowTo,
                          .formName = QStringLiteral("反応量計算法"),
                          .caption = QStringLiteral("モルの計算方法"),
                          .clientSize = QSize(749, 499),
                          .picture = {.name = "Image1", .rect = {92, 29, 552, 394}},
                          .resource = QStringLiteral(":/assets/reference/reaction-howto.html"),
                          .pictureName = QStringLiteral("反応量の計算方法の説明"),
                          .back = {.name = "Command1", .rect = {588, 435, 115, 35}},
                          .backTo = ScreenId::Menu,
                          .showsOther = false,
                      }) {}

} // namespace app
