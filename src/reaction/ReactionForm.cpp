#include "ReactionForm.h"

#include "ChemicalText.h"
#include "ReactionArt.h"
#include "ReactionGeometry.h"
#include "ReactionPaths.h"
#include "calculator/CalculatorPanel.h"
#include "chemistry/ChemicalFormula.h"
#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/Fonts.h"
#include "util/MaterialPath.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/TextLabel.h"

namespace reaction {

using calculator::frameLetter;
using calculator::spokenContent;
using calculator::spokenState;
using practice::Outcome;
using shell::Navigator;
using shell::ProgramState;
using util::kMincho;
using util::materialPath;
using util::uiFont;
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::Place;
using widgets::TextLabel;

namespace geometry = reactionGeometry;

namespace {
constexpr Place atomicWeightsPlace{.name = "Image2", .rect = geometry::atomicWeights};
constexpr Place headingPlace{.name = "Image5", .rect = geometry::heading};
constexpr Place numberPlace{.name = "Label3", .rect = geometry::questionNumber};
constexpr Place equationPlace{.name = "Image10", .rect = geometry::equation};
constexpr Place tablePlace{.name = "Image4", .rect = geometry::table};
constexpr Place namePlace{.name = "Image11", .rect = {}};
constexpr Place framePlace{.name = "Image9", .rect = {}};
constexpr Place labelPlace{.name = "Label2", .rect = {}};

QString rowWord(int row) {
    static const char16_t* const words[] = {u"モル数", u"体積", u"重さ"};
    return QString::fromUtf16(words[row - 1]);
}

// What a cell is called before a question names its substance.
QString cellRole(int c) {
    return QStringLiteral("%1 (%2 列目)")
        .arg(rowWord(reactionGeometry::rowOf(c)))
        .arg(reactionGeometry::columnOf(c));
}
} // namespace

ReactionForm::ReactionForm(Navigator& navigator)
    : CalculatorScreen(navigator, practice::reactionScreen()) {
    buildPictures();
    buildTable();
}

ReactionForm::~ReactionForm() = default;

void ReactionForm::buildPictures() {
    auto* weights = new ImageBox(this, atomicWeightsPlace, atomicWeightsText());
    weights->setArt(drawnOnce(QStringLiteral("atomic weights"), paintAtomicWeights));
    auto* heading = new ImageBox(this, headingPlace, headingText());
    heading->setArt(drawnOnce(QStringLiteral("heading"), paintQuestionHeading));
    questionNumber_ =
        new TextLabel(this, numberPlace,
                      {uiFont(kMincho, 14.25, true), Qt::white, Qt::black, false, Qt::AlignCenter},
                      QStringLiteral("問題番号"));
    equation_ = new ImageBox(this, equationPlace, QStringLiteral("反応式"));
}

void ReactionForm::buildTable() {
    table_ = new ImageBox(this, tablePlace, QStringLiteral("物質の量の表"));
    for (int i = 1; i <= ReactionPractice::columnCount; ++i) {
        auto* name = new ImageBox(this, namePlace.member(i, geometry::namePlace(i)));
        name->hide();
        names_[static_cast<std::size_t>(i - 1)] = name;
    }
    for (int c = 1; c <= ReactionPractice::cellCount; ++c) {
        auto* frame =
            new ImageBox(this, framePlace.member(c, geometry::framePlace(c)), cellRole(c));
        frame->setClickable(true);
        frame->hide();
        connect(frame, &ImageBox::clicked, this, [this, c] { cellClicked(c); });
        frames_[static_cast<std::size_t>(c - 1)] = frame;
    }
    // The labels lie over their frames; a click on either chooses the cell.
    const TextLabel::Look look{uiFont(kMincho, 21.75, true), Qt::white, Qt::black, false,
                               Qt::AlignCenter};
    for (int c = 1; c <= ReactionPractice::cellCount; ++c) {
        auto* label =
            new TextLabel(this, labelPlace.member(c, geometry::labelPlace(c)), look, cellRole(c));
        label->hide();
        connect(label, &TextLabel::clicked, this, [this, c] { cellClicked(c); });
        labels_[static_cast<std::size_t>(c - 1)] = label;
    }
}

void ReactionForm::start() {
    ProgramState& state = navigator().state();
    practice_ = std::make_unique<ReactionPractice>(ReactionData::load(state.basePath),
                                                   state.reactionQuestions, state.reactions,
                                                   navigator().clock(), navigator().random());
    resetCalculator();
    apply(practice_->drawQuestion());
}

void ReactionForm::cellClicked(int c) {
    apply(practice_->selectCell(c));
}

calculator::TransferOutcome ReactionForm::transferEntry(const QString& entry) {
    return practice_->transferAnswer(entry);
}

void ReactionForm::deleteClicked() {
    apply(practice_->deleteValue());
}

void ReactionForm::judgeClicked() {
    apply(practice_->judgeTable());
}

void ReactionForm::nextClicked() {
    apply(practice_->next());
}

QString ReactionForm::material(const QString& relativePath) {
    return materialPath(navigator().state().basePath, relativePath);
}

void ReactionForm::draw(const Outcome& outcome) {
    if (outcome.newQuestion)
        drawQuestion();
    for (int c = 1; c <= ReactionPractice::cellCount; ++c)
        if (practice_->cellUsed(c))
            drawCell(c);
}

void ReactionForm::drawQuestion() {
    const ReactionPractice& p = *practice_;
    const ReactionData& data = p.data();
    const ReactionEntry& entry = p.currentEntry();
    const int n = entry.substanceCount;
    questionNumber_->setCaption(QString::number(p.questionNumber()));
    equation_->loadPicture(material(paths::equationPicture(p.currentReaction())));
    equation_->setAccessibleName(chemistry::withSubscripts(data.equation(p.currentReaction())));
    table_->loadPicture(material(paths::tablePicture(n)));
    for (int i = 1; i <= ReactionPractice::columnCount; ++i) {
        ImageBox* name = names_[static_cast<std::size_t>(i - 1)];
        if (i > n) {
            name->clearPicture();
            name->hide();
            continue;
        }
        const int s = entry.substanceNo[static_cast<std::size_t>(i)];
        name->loadPicture(material(paths::substancePicture(s)));
        name->setAccessibleName(data.substance(s).name + QStringLiteral(" ") +
                                chemistry::withSubscripts(data.substance(s).formula));
        name->show();
    }
    for (int c = 1; c <= ReactionPractice::cellCount; ++c) {
        const bool used = p.cellUsed(c);
        frames_[static_cast<std::size_t>(c - 1)]->setVisible(used);
        labels_[static_cast<std::size_t>(c - 1)]->setVisible(used);
    }
}

void ReactionForm::drawCell(int c) {
    const ReactionCell& cell = practice_->cell(c);
    ImageBox* frame = frames_[static_cast<std::size_t>(c - 1)];
    TextLabel* label = labels_[static_cast<std::size_t>(c - 1)];
    // A frame is decoded only when it changes; most actions touch one cell.
    const QString picture = material(paths::framePicture(frameLetter(cell.frame)));
    if (frame->picturePath() != picture)
        frame->loadPicture(picture);
    label->setCaption(cell.entry);

    const ReactionEntry& entry = practice_->currentEntry();
    const int s = entry.substanceNo[static_cast<std::size_t>(geometry::columnOf(c))];
    const QString spoken =
        QStringLiteral("%1 (%2): %3")
            .arg(rowWord(geometry::rowOf(c)),
                 chemistry::withSubscripts(practice_->data().substance(s).formula),
                 spokenContent(cell.frame, cell.entry));
    for (QWidget* w : {static_cast<QWidget*>(frame), static_cast<QWidget*>(label)}) {
        w->setAccessibleName(spoken);
        w->setAccessibleDescription(spokenState(cell.frame));
    }
}

} // namespace reaction
