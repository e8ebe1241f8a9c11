#include "CoefficientForm.h"

#include "practice/PracticeChrome.h"
#include "shell/Navigator.h"
#include "util/widgets/PictureButton.h"

namespace coefficient {

using practice::coefficientLayout;
using practice::PracticeChrome;
using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using widgets::PictureButton;

CoefficientForm::CoefficientForm(Navigator& navigator)
    : FormWindow(navigator, ScreenId::Coefficient, QStringLiteral("係数"),
                 QStringLiteral("反応式の係数"), QSize(751, 501)),
      chrome_(new PracticeChrome(*this, navigator, coefficientLayout())) {
    auto* reference =
        new PictureButton(this, QStringLiteral("Command3"), QRect(QPoint(160, 443), QSize(115, 35)),
                          QStringLiteral("係数決定法"));
    connect(reference, &PictureButton::clicked, this, &CoefficientForm::openReference);
    chrome_->raiseOverlays();
}

void CoefficientForm::openReference() {
    this->navigator().show(ScreenId::CoefficientHowTo);
}

} // namespace coefficient
