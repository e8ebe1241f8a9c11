#include "ReactionForm.h"

#include "calculator/CalculatorPanel.h"
#include "practice/PracticeChrome.h"
#include "shell/Navigator.h"
#include "util/widgets/PictureButton.h"

namespace reaction {

using calculator::CalculatorPanel;
using practice::PracticeChrome;
using practice::reactionLayout;
using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using widgets::PictureButton;

ReactionForm::ReactionForm(Navigator& navigator)
    : FormWindow(navigator, ScreenId::Reaction, QStringLiteral("反応量"),
                 QStringLiteral("化学反応の量"), QSize(751, 501)),
      chrome_(new PracticeChrome(*this, navigator, reactionLayout())),
      calculatorPanel_(new CalculatorPanel(this, calculator_)) {
    auto* reference =
        new PictureButton(this, QStringLiteral("Command3"), QRect(QPoint(192, 445), QSize(115, 35)),
                          QStringLiteral("計算方法"), {QColor(0, 0, 170), Qt::white});
    connect(reference, &PictureButton::clicked, this, &ReactionForm::openReference);
    chrome_->raiseOverlays();
}

void ReactionForm::load() {
    resetCalculator();
}

void ReactionForm::openReference() {
    this->navigator().show(ScreenId::ReactionHowTo);
}

void ReactionForm::resetCalculator() {
    calculator_.resetCalculator();
    calculatorPanel_->refresh();
}

} // namespace reaction
