#include "IonTableForm.h"

#include "ReferenceArt.h"
#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/Fonts.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/TextLabel.h"

namespace app {

using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using util::kPMincho;
using util::uiFont;
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::TextLabel;

IonTableForm::IonTableForm(Navigator& navigator)
    : FormWindow(navigator, ScreenId::IonTable, QStringLiteral("イオン表"),
                 QStringLiteral("陽イオンと陰イオン"), QSize(751, 501)) {
    auto* table = new ImageBox(this, QStringLiteral("Image1"), QRect(34, 67, 686, 397),
                               QStringLiteral("陽イオンと陰イオンの表"));
    table->setArt(referencePicture(QStringLiteral(":/assets/reference/ion-table.html")));

    const QColor blue(0, 0, 255);
    lineBox_ = new TextLabel(this, QStringLiteral("Label1"), QRect(34, 19, 412, 35),
                             {uiFont(kPMincho, 14.25, true), Qt::white, blue, true},
                             QStringLiteral("物質"));
    line_ = new TextLabel(this, QStringLiteral("Label2"), QRect(41, 28, 402, 25),
                          {uiFont(kPMincho, 14.25, true), Qt::white, blue, true},
                          QStringLiteral("物質"));

    auto* howTo = new PictureButton(this, QStringLiteral("Command1"), QRect(471, 19, 115, 35),
                                    QStringLiteral("式作成法"));
    connect(howTo, &PictureButton::clicked, this, [this] {
        Navigator& nav = this->navigator();
        nav.unload(ScreenId::IonTable);
        nav.show(ScreenId::FormulaHowTo);
    });
    auto* back = new PictureButton(this, QStringLiteral("Command2"), QRect(602, 19, 115, 35),
                                   QStringLiteral("戻る"));
    connect(back, &PictureButton::clicked, this, [this] {
        Navigator& nav = this->navigator();
        nav.unload(ScreenId::IonTable);
        nav.show(ScreenId::Formula);
    });
}

void IonTableForm::load() {
    lineBox_->hide();
    line_->hide();
    const QString& substance = navigator().state().ionTableSubstance;
    if (substance.isEmpty())
        return;
    line_->setCaption(QStringLiteral("物質は　") + substance + QStringLiteral("　です"));
    lineBox_->show();
    line_->show();
}

} // namespace app
