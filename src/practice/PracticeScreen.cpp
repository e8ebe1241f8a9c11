#include "PracticeScreen.h"

#include "PracticeChrome.h"
#include "shell/Navigator.h"

namespace practice {

namespace {
const QSize practiceClientSize(751, 501);
} // namespace

PracticeScreen::PracticeScreen(shell::Navigator& navigator, const PracticeScreenInfo& info)
    : FormWindow(navigator, info.id, info.formName, info.caption, practiceClientSize), info_(info),
      chrome_(new PracticeChrome(*this, navigator, info)) {
    connect(chrome_, &PracticeChrome::judgeClicked, this, [this] { judgeClicked(); });
    connect(chrome_, &PracticeChrome::nextClicked, this, [this] { nextClicked(); });
    connect(chrome_, &PracticeChrome::referenceClicked, this, [this] { referenceClicked(); });
}

void PracticeScreen::load() {
    chrome_->raiseOverlays();
    start();
}

void PracticeScreen::referenceClicked() {
    navigator().show(info_.reference.target);
}

void PracticeScreen::apply(const Outcome& outcome) {
    chrome_->apply(outcome);
    draw(outcome);
}

} // namespace practice
