#include "CoefficientForm.h"

#include "AtomTableArt.h"
#include "BoxFaceArt.h"
#include "CoefficientGeometry.h"
#include "CoefficientPaths.h"
#include "DigitPadArt.h"
#include "EquationText.h"
#include "practice/PracticeChrome.h"
#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/Fonts.h"
#include "util/MaterialPath.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/RectShape.h"
#include "util/widgets/TextLabel.h"

namespace coefficient {

using practice::Outcome;
using shell::Navigator;
using shell::ProgramState;
using util::kMincho;
using util::kPMincho;
using util::materialPath;
using util::uiFont;
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::RectShape;
using widgets::TextLabel;

namespace {

const QColor bandBlue(0, 0, 192);
const QColor yellow(255, 255, 0);

// The picture file of a box's face.
QString facePicture(const CoefficientBox& box) {
    switch (box.face) {
    case BoxFace::Empty:
        return paths::boxFace(faceStyleName(FaceStyle::Plain), 0);
    case BoxFace::EmptySelected:
        return paths::boxFace(faceStyleName(FaceStyle::Selected), 0);
    case BoxFace::Digit:
        return paths::boxFace(faceStyleName(FaceStyle::Plain), box.coefficient);
    case BoxFace::DigitSelected:
        return paths::boxFace(faceStyleName(FaceStyle::Selected), box.coefficient);
    case BoxFace::DigitEntered:
        return paths::boxFace(faceStyleName(FaceStyle::Entered), box.coefficient);
    case BoxFace::Correct:
        return paths::boxFace(faceStyleName(FaceStyle::Correct), box.coefficient);
    case BoxFace::Wrong:
        return paths::boxFace(faceStyleName(FaceStyle::Wrong), box.coefficient);
    }
    return {};
}

// What a screen reader says of box j: its number, its digit and its state.
QString spokenBox(int j, const CoefficientBox& box) {
    const QString content =
        box.coefficient == 0 ? QStringLiteral("空き") : QString::number(box.coefficient);
    QString state;
    switch (box.face) {
    case BoxFace::EmptySelected:
    case BoxFace::DigitSelected:
        state = QStringLiteral(" 選択中");
        break;
    case BoxFace::DigitEntered:
        state = QStringLiteral(" 入力した数字");
        break;
    case BoxFace::Correct:
        state = QStringLiteral(" 正解");
        break;
    case BoxFace::Wrong:
        state = QStringLiteral(" 誤り");
        break;
    case BoxFace::Empty:
    case BoxFace::Digit:
        break;
    }
    return QStringLiteral("係数%1: %2").arg(j).arg(content) + state;
}

} // namespace

CoefficientForm::CoefficientForm(Navigator& navigator)
    : PracticeScreen(navigator, practice::coefficientScreen()) {
    buildHeading();
    buildBoxes();
    buildPad();
    buildTable();
    buildButtons();
}

CoefficientForm::~CoefficientForm() = default;

void CoefficientForm::buildHeading() {
    new TextLabel(this, geometry::band, {uiFont(kPMincho, 14.25, true), Qt::white, bandBlue, true},
                  QStringLiteral("問題"));
    const TextLabel::Look heading{uiFont(kMincho, 15.75, true), Qt::white, bandBlue, false,
                                  Qt::AlignCenter};
    (new TextLabel(this, geometry::headingFirst, heading))->setCaption(QStringLiteral("第"));
    number_ = new TextLabel(this, geometry::headingNumber, heading, QStringLiteral("問題番号"));
    (new TextLabel(this, geometry::headingLast, heading))->setCaption(QStringLiteral("問"));
    title_ = new TextLabel(this, geometry::title,
                           {uiFont(kPMincho, 14.25, true), Qt::white, bandBlue, false,
                            Qt::AlignLeft | Qt::AlignVCenter},
                           QStringLiteral("題名"));
}

void CoefficientForm::buildBoxes() {
    equation_ = new ImageBox(this, geometry::equation, QStringLiteral("反応式"));
    // Created after the picture, so they lie over its gaps.
    for (int j = 1; j <= CoefficientPractice::maxBoxes; ++j) {
        auto* box = new ImageBox(this, geometry::box(j, {}), QStringLiteral("係数%1").arg(j));
        box->setClickable(true);
        box->hide();
        connect(box, &ImageBox::clicked, this, [this, j] { boxClicked(j); });
        boxes_[static_cast<std::size_t>(j - 1)] = box;
    }
}

void CoefficientForm::buildPad() {
    auto* frame = new RectShape(this, geometry::padFrame, QStringLiteral("数字の枠"));
    frame->setBorder(Qt::white, 2);
    auto* pad = new ImageBox(this, geometry::pad, QStringLiteral("数字 1〜8"));
    pad->setArt(paintDigitPad);
    for (int d = 1; d <= CoefficientData::maxCoefficient; ++d) {
        auto* digit = new ImageBox(this, geometry::padDigit(d), QString::number(d));
        digit->setClickable(true);
        connect(digit, &ImageBox::clicked, this, [this, d] { digitClicked(d); });
        pad_ << digit;
    }
    chrome().attachPalette(
        pad_,
        [this](int d) { return material(paths::boxFace(faceStyleName(FaceStyle::Selected), d)); },
        1, 2);
}

void CoefficientForm::buildTable() {
    auto* table = new ImageBox(this, geometry::atomTable, QStringLiteral("原子の数"));
    table->setArt(paintAtomTable);
    const TextLabel::Look symbolLook{uiFont(kPMincho, 14.25, true), Qt::white, Qt::black, false};
    const TextLabel::Look totalLook{uiFont(kMincho, 15.75, true), yellow, Qt::black, false,
                                    Qt::AlignCenter};
    const TextLabel::Look closeLook{uiFont(kMincho, 14.25, true), Qt::white, Qt::black, false};
    for (int r = 1; r <= geometry::tableRows; ++r) {
        for (bool left : {true, false}) {
            TableRow& row = (left ? leftRows_ : rightRows_)[static_cast<std::size_t>(r - 1)];
            row[0] = new TextLabel(this, geometry::tableLabel(left, r, 1), symbolLook);
            row[1] = new TextLabel(this, geometry::tableLabel(left, r, 2), symbolLook);
            row[1]->setCaption(QStringLiteral("の数　["));
            row[2] = new TextLabel(this, geometry::tableLabel(left, r, 3), totalLook);
            row[3] = new TextLabel(this, geometry::tableLabel(left, r, 4), closeLook);
            row[3]->setCaption(QStringLiteral("]"));
            for (TextLabel* label : row)
                label->hide();
        }
    }
}

void CoefficientForm::buildButtons() {
    showCounts_ = new PictureButton(this, geometry::showCounts, QStringLiteral("原子数表示"));
    connect(showCounts_, &PictureButton::clicked, this, &CoefficientForm::showCountsClicked);
    hideCounts_ = new PictureButton(this, geometry::hideCounts, QStringLiteral("原子数消去"));
    hideCounts_->hide();
    connect(hideCounts_, &PictureButton::clicked, this, &CoefficientForm::hideCountsClicked);
    auto* remove = new PictureButton(this, geometry::deleteCoefficient, QStringLiteral("係数削除"));
    connect(remove, &PictureButton::clicked, this, &CoefficientForm::deleteClicked);
}

void CoefficientForm::start() {
    ProgramState& state = navigator().state();
    practice_ =
        std::make_unique<CoefficientPractice>(CoefficientData::load(state.basePath), state.problems,
                                              navigator().clock(), navigator().random());
    apply(practice_->drawProblem());
}

void CoefficientForm::boxClicked(int j) {
    apply(practice_->selectBox(j));
}

void CoefficientForm::digitClicked(int d) {
    apply(practice_->enterDigit(d));
}

void CoefficientForm::deleteClicked() {
    apply(practice_->deleteCoefficient());
}

void CoefficientForm::showCountsClicked() {
    apply(practice_->showAtomCounts());
}

void CoefficientForm::hideCountsClicked() {
    apply(practice_->hideAtomCounts());
}

void CoefficientForm::judgeClicked() {
    apply(practice_->judgeAnswer());
}

void CoefficientForm::nextClicked() {
    apply(practice_->nextProblem());
}

void CoefficientForm::draw(const Outcome& outcome) {
    if (outcome.newQuestion)
        showProblem();
    for (int j = 1; j <= CoefficientPractice::maxBoxes; ++j)
        drawBox(j);
    drawTable();
}

// The heading, the equation picture and the boxes' places of a new problem.
void CoefficientForm::showProblem() {
    const Problem& problem = practice_->problem();
    number_->setCaption(QString::number(practice_->questionNumber()));
    title_->setCaption(problem.title);
    const QString picture = material(paths::equationPicture(practice_->currentProblem()));
    equation_->loadPicture(picture);
    equation_->resize(equation_->pictureSize());
    equation_->setAccessibleName(spokenEquation(problem));
    for (int j = 1; j <= problem.boxCount(); ++j)
        boxes_[static_cast<std::size_t>(j - 1)]->setGeometry(
            geometry::box(j, problem.boxPositions[static_cast<std::size_t>(j - 1)]).rect);
    // The rows of the new table; their symbols are fixed until the next problem.
    const QStringList& rows = practice_->tableRows();
    for (int r = 1; r <= geometry::tableRows; ++r) {
        const QString symbol = r <= rows.size() ? rows[r - 1] : QString();
        leftRows_[static_cast<std::size_t>(r - 1)][0]->setCaption(symbol);
        rightRows_[static_cast<std::size_t>(r - 1)][0]->setCaption(symbol);
    }
}

void CoefficientForm::drawBox(int j) {
    ImageBox* box = boxes_[static_cast<std::size_t>(j - 1)];
    if (j > practice_->boxCount()) {
        box->hide();
        return;
    }
    const CoefficientBox& state = practice_->box(j);
    const QString picture = material(facePicture(state));
    if (box->picturePath() != picture)
        box->loadPicture(picture);
    box->setAccessibleName(spokenBox(j, state));
    box->show();
}

void CoefficientForm::drawTable() {
    const bool shown = practice_->countsShown();
    const std::vector<AtomRow> totals = practice_->totals();
    for (int r = 1; r <= geometry::tableRows; ++r) {
        const auto i = static_cast<std::size_t>(r - 1);
        const bool used = i < totals.size();
        for (bool left : {true, false}) {
            TableRow& row = (left ? leftRows_ : rightRows_)[i];
            for (TextLabel* label : row)
                label->setVisible(used);
            if (!used)
                continue;
            const QString side = left ? QStringLiteral("左辺") : QStringLiteral("右辺");
            const int total = left ? totals[i].left : totals[i].right;
            row[2]->setCaption(shown ? QString::number(total) : QString());
            row[2]->setVisible(shown);
            row[0]->setAccessibleName(
                shown ? QStringLiteral("%1 %2 の数 %3").arg(side, totals[i].symbol).arg(total)
                      : QStringLiteral("%1 %2 の数").arg(side, totals[i].symbol));
        }
    }
    showCounts_->setVisible(!shown);
    hideCounts_->setVisible(shown);
}

QString CoefficientForm::material(const QString& relativePath) {
    return materialPath(navigator().state().basePath, relativePath);
}

} // namespace coefficient
