#include "CalculatorScreen.h"

#include "CalculatorPanel.h"
#include "practice/PracticeChrome.h"
#include "util/widgets/Art.h"
#include "util/widgets/PictureButton.h"

namespace calculator {

using widgets::FaceColors;
using widgets::PictureButton;
using widgets::Place;

namespace {
constexpr Place transferPlace{.name = "Command8", .rect = {590, 386, 115, 35}};
constexpr Place deletePlace{.name = "Command4", .rect = {343, 445, 115, 35}};

const FaceColors blueFace{QColor(0, 0, 170), Qt::white};
const FaceColors magentaFace{QColor(255, 0, 255), Qt::white};
} // namespace

CalculatorScreen::CalculatorScreen(shell::Navigator& navigator,
                                   const practice::PracticeScreenInfo& info)
    : PracticeScreen(navigator, info), panel_(new CalculatorPanel(this, calculator_)) {
    auto* transfer =
        new PictureButton(this, transferPlace, QStringLiteral("解答転送"), magentaFace);
    connect(transfer, &PictureButton::clicked, this, [this] { transferClicked(); });
    auto* erase = new PictureButton(this, deletePlace, QStringLiteral("数値削除"), blueFace);
    connect(erase, &PictureButton::clicked, this, [this] { deleteClicked(); });
    chrome().judgeButton()->setFaceArt([](QPainter& p, const QRectF& r) {
        widgets::paintButtonFace(p, r, QStringLiteral("解答判定"), blueFace, 12, false);
    });
}

void CalculatorScreen::resetCalculator() {
    calculator_.resetCalculator();
    panel_->refresh();
}

void CalculatorScreen::transferClicked() {
    const TransferOutcome t = transferEntry(calculator_.entryText());
    if (t.resetCalculator)
        resetCalculator();
    apply(t.outcome);
}

} // namespace calculator
