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
    auto* picture = new ImageBox(this, QStringLiteral("Image1"), page.picture, page.pictureName);
    picture->setArt(referencePicture(page.resource));
    auto* back = new PictureButton(this, page.backButton, QRect(page.backAt, QSize(115, 35)),
                                   QStringLiteral("戻る"));
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
                      {ScreenId::FormulaHowTo, QStringLiteral("化学式作成"),
                       QStringLiteral("化学式の作り方"), QSize(751, 501), QRect(74, 14, 570, 417),
                       QStringLiteral(":/assets/reference/formula-howto.html"),
                       QStringLiteral("化学式の作り方の説明"), QStringLiteral("Command2"),
                       QPoint(586, 446), ScreenId::IonTable, true}) {}

CoefficientHowToForm::CoefficientHowToForm(Navigator& navigator)
    : ExplanationForm(navigator,
                      {ScreenId::CoefficientHowTo, QStringLiteral("係数決定法"),
                       QStringLiteral("係数決定法"), QSize(749, 499), QRect(63, 25, 634, 385),
                       QStringLiteral(":/assets/reference/coefficient-howto.html"),
                       QStringLiteral("係数の決め方の説明"), QStringLiteral("Command1"),
                       QPoint(595, 425), ScreenId::Menu, false}) {}

MoleHowToForm::MoleHowToForm(Navigator& navigator)
    : ExplanationForm(navigator,
                      {ScreenId::MoleHowTo, QStringLiteral("モル計算法"),
                       QStringLiteral("モルの計算方法"), QSize(749, 499), QRect(114, 43, 515, 376),
                       QStringLiteral(":/assets/reference/mole-howto.html"),
                       QStringLiteral("モルの計算方法の説明"), QStringLiteral("Command1"),
                       QPoint(588, 435), ScreenId::Menu, false}) {}

ReactionHowToForm::ReactionHowToForm(Navigator& navigator)
    : ExplanationForm(navigator,
                      {ScreenId::ReactionHowTo, QStringLiteral("反応量計算法"),
                       QStringLiteral("モルの計算方法"), QSize(749, 499), QRect(92, 29, 552, 394),
                       QStringLiteral(":/assets/reference/reaction-howto.html"),
                       QStringLiteral("反応量の計算方法の説明"), QStringLiteral("Command1"),
                       QPoint(588, 435), ScreenId::Menu, false}) {}

} // namespace app
