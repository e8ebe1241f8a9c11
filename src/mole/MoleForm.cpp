#include "MoleForm.h"

#include "calculator/CalculatorPanel.h"
#include "practice/PracticeChrome.h"
#include "shell/Navigator.h"
#include "util/widgets/PictureButton.h"

namespace mole {

using calculator::CalculatorPanel;
using practice::moleLayout;
using practice::PracticeChrome;
using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using widgets::PictureButton;

MoleForm::MoleForm(Navigator& navigator)
    : FormWindow(navigator, ScreenId::Mole, QStringLiteral("モル"), QStringLiteral("モル量の計算"),
                 QSize(751, 501)),
      chrome_(new PracticeChrome(*this, navigator, moleLayout())),
      calculatorPanel_(new CalculatorPanel(this, calculator_)) {
    auto* reference =
        new PictureButton(this, QStringLiteral("Command3"), QRect(QPoint(192, 445), QSize(115, 35)),
                          QStringLiteral("計算方法"), {QColor(0, 0, 170), Qt::white});
    connect(reference, &PictureButton::clicked, this, &MoleForm::openReference);
    chrome_->raiseOverlays();
}

void MoleForm::load() {
    resetCalculator();
}

void MoleForm::openReference() {
    this->navigator().show(ScreenId::MoleHowTo);
}

void MoleForm::resetCalculator() {
    calculator_.resetCalculator();
    calculatorPanel_->refresh();
}

} // namespace mole
