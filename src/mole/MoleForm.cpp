#include "MoleForm.h"

#include "MoleArt.h"
#include "MoleGeometry.h"
#include "MolePaths.h"
#include "calculator/CalculatorPanel.h"
#include "practice/PracticeChrome.h"
#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/Fonts.h"
#include "util/MaterialPath.h"
#include "util/widgets/Art.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/TextLabel.h"

namespace mole {

using calculator::frameLetter;
using calculator::spokenContent;
using calculator::spokenState;
using practice::Outcome;
using shell::Navigator;
using shell::ProgramState;
using util::kMincho;
using util::materialPath;
using util::uiFont;
using widgets::FaceColors;
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::TextLabel;

namespace geometry = moleGeometry;

namespace {

// What a screen reader calls each box: its row on the answer sheet.
const char16_t* const boxNames[] = {u"",        u"A. モル数", u"B. 分子数", u"B. 分子数 指数",
                                    u"C. 体積", u"D. 重さ"};

} // namespace

MoleForm::MoleForm(Navigator& navigator) : CalculatorScreen(navigator, practice::moleScreen()) {
    buildQuestion();
    buildBoxes();
}

MoleForm::~MoleForm() = default;

void MoleForm::buildQuestion() {
    auto* weights = new ImageBox(this, geometry::weightStrip,
                                 QStringLiteral("原子量 H=1 C=12 N=14 O=16 F=19 S=32 Cl=35.5"));
    weights->setArt(paintWeightStrip);
    strip_ = new ImageBox(this, geometry::questionStrip, QStringLiteral("問題"));
    // Over the gap the strip leaves between 第 and 問.
    number_ =
        new TextLabel(this, geometry::questionNumber,
                      {uiFont(kMincho, 15.75, true), Qt::white, Qt::black, false, Qt::AlignCenter},
                      QStringLiteral("問題番号"));
}

void MoleForm::buildBoxes() {
    auto* sheet = new ImageBox(this, geometry::answerSheet, QStringLiteral("解答欄"));
    sheet->setArt(paintAnswerSheet);
    for (int b = 1; b <= boxCount; ++b) {
        Box& box = boxes_[static_cast<std::size_t>(b - 1)];
        const QString name = QString::fromUtf16(boxNames[b]);
        box.frame = new ImageBox(this, geometry::frame(b), name);
        box.frame->setClickable(true);
        connect(box.frame, &ImageBox::clicked, this, [this, b] { boxClicked(b); });
        const qreal size = b == powerBox ? 20.25 : 21.75;
        box.text = new TextLabel(
            this, geometry::text(b),
            {uiFont(kMincho, size, true), Qt::white, Qt::black, false, Qt::AlignCenter}, name);
        connect(box.text, &TextLabel::clicked, this, [this, b] { boxClicked(b); });
    }
}

void MoleForm::start() {
    ProgramState& state = navigator().state();
    practice_ =
        std::make_unique<MolePractice>(MoleData::load(state.basePath), state.moleQuestions,
                                       state.substances, navigator().clock(), navigator().random());
    resetCalculator();
    apply(practice_->startQuestion());
}

void MoleForm::boxClicked(int b) {
    apply(practice_->selectBox(b));
}

calculator::TransferOutcome MoleForm::transferEntry(const QString& entry) {
    return practice_->transferAnswer(entry);
}

void MoleForm::deleteClicked() {
    apply(practice_->deleteEntry());
}

void MoleForm::judgeClicked() {
    apply(practice_->judgeAnswers());
}

void MoleForm::nextClicked() {
    apply(practice_->nextQuestion());
}

void MoleForm::draw(const Outcome& outcome) {
    if (outcome.newQuestion) {
        const int s = practice_->currentSubstance();
        strip_->loadPicture(materialPath(navigator().state().basePath, paths::questionStrip(s)));
        const QString number = QString::number(practice_->questionNumber());
        number_->setCaption(number);
        const QString spoken =
            QStringLiteral("第%1問 %2").arg(number, practice_->data().questionText(s));
        strip_->setAccessibleName(spoken);
        number_->setAccessibleName(spoken);
    }
    for (int b = 1; b <= boxCount; ++b)
        drawBox(b);
}

void MoleForm::drawBox(int b) {
    const AnswerBox& state = practice_->box(b);
    Box& box = boxes_[static_cast<std::size_t>(b - 1)];
    const QString frame =
        materialPath(navigator().state().basePath,
                     paths::frame(frameLetter(state.frame), geometry::frameSize(b)));
    if (box.frame->picturePath() != frame)
        box.frame->loadPicture(frame);
    box.text->setCaption(state.text);
    const QString spoken = QStringLiteral("%1: %2").arg(QString::fromUtf16(boxNames[b]),
                                                        spokenContent(state.frame, state.text));
    for (QWidget* w : {static_cast<QWidget*>(box.frame), static_cast<QWidget*>(box.text)}) {
        w->setAccessibleName(spoken);
        w->setAccessibleDescription(spokenState(state.frame));
    }
}

} // namespace mole
