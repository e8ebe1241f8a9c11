#include "FormulaForm.h"

#include "app/Navigator.h"
#include "practice/PracticeChrome.h"
#include "util/widgets/PictureButton.h"

FormulaForm::FormulaForm(Navigator& navigator)
    : FormWindow(navigator, ScreenId::Formula, QStringLiteral("化学式"),
                 QStringLiteral("化学式の練習"), QSize(751, 501)),
      chrome_(new PracticeChrome(*this, navigator, formulaLayout())) {
    auto* reference =
        new PictureButton(this, QStringLiteral("Command1"), QRect(QPoint(158, 445), QSize(115, 35)),
                          QStringLiteral("イオン表"));
    connect(reference, &PictureButton::clicked, this, &FormulaForm::openReference);
    chrome_->raiseOverlays();
}

void FormulaForm::openReference() {
    this->navigator().show(ScreenId::IonTable);
}
