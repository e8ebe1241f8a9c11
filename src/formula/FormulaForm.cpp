#include "FormulaForm.h"

#include "AnswerTableArt.h"
#include "FormulaGeometry.h"
#include "Glyphs.h"
#include "PaletteArt.h"
#include "practice/PracticeChrome.h"
#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/Fonts.h"
#include "util/MaterialPath.h"
#include "util/widgets/Controls.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/RectShape.h"
#include "util/widgets/TextLabel.h"

namespace formula {

using practice::Outcome;
using practice::PracticeChrome;
using shell::FormWindow;
using shell::Navigator;
using shell::ProgramState;
using shell::ScreenId;
using util::kPMincho;
using util::materialPath;
using util::uiFont;
using widgets::groupName;
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::RectShape;
using widgets::TextLabel;

namespace geometry = formulaGeometry;

namespace {
QColor markColour(RowMark mark) {
    switch (mark) {
    case RowMark::Selected:
        return QColor(0, 0, 150);
    case RowMark::Correct:
        return QColor(0, 200, 0);
    case RowMark::Wrong:
        return QColor(255, 0, 0);
    case RowMark::Black:
        break;
    }
    return QColor(0, 0, 0);
}

QString spokenMark(const FormulaRow& row) {
    if (!row.filled)
        return {};
    switch (row.mark) {
    case RowMark::Selected:
        return QStringLiteral("選択中");
    case RowMark::Correct:
        return QStringLiteral("正解");
    case RowMark::Wrong:
        return QStringLiteral("誤り");
    case RowMark::Black:
        break;
    }
    return {};
}

QString circledNumber(int r) {
    return QString(QChar(0x2460 + r - 1));
} // ①…⑩
} // namespace

FormulaForm::FormulaForm(Navigator& navigator)
    : PracticeScreen(navigator, practice::formulaScreen()) {
    buildPalette();
    buildRows();
    buildButtons();
}

FormulaForm::~FormulaForm() = default;

void FormulaForm::buildPalette() {
    auto* background = new ImageBox(this, QStringLiteral("Image1"), geometry::palette,
                                    QStringLiteral("元素記号の一覧"));
    background->setArt(paintPalette);
    for (int n = 1; n <= glyphCount; ++n) {
        auto* entry = new ImageBox(this, groupName(QStringLiteral("Image2"), n),
                                   geometry::paletteEntry(n), glyph(n).spokenName());
        entry->setToolTip(glyph(n).tooltip);
        entry->setClickable(true);
        connect(entry, &ImageBox::clicked, this, [this, n] { glyphClicked(n); });
        palette_ << entry;
    }
    chrome().attachPalette(
        palette_,
        [this](int k) {
            return materialPath(this->navigator().state().basePath,
                                QStringLiteral("\\化学式\\画像\\g(%1).gif").arg(k));
        },
        1, 1);
}

void FormulaForm::buildRows() {
    auto* table = new ImageBox(this, QStringLiteral("Image3"), geometry::answerTable,
                               QStringLiteral("解答表"));
    table->setArt(paintAnswerTable);
    // A name label holds its text at the top, as the table's rows are drawn for.
    const TextLabel::Look nameLook{uiFont(kPMincho, 12, true), Qt::white, Qt::black, false,
                                   Qt::AlignLeft | Qt::AlignTop};
    for (int r = 1; r <= FormulaPractice::rowCount; ++r) {
        Row& row = rows_[static_cast<std::size_t>(r - 1)];
        const QString place = QStringLiteral("解答欄") + circledNumber(r);
        row.shape = new RectShape(this, groupName(QStringLiteral("Shape1"), r),
                                  geometry::rowRect(r), place + QStringLiteral("の枠"));
        // The rectangle reaches the rule under its row; leaving that line
        // unfilled keeps neighbouring green rows apart.
        row.shape->setFillInset(QMargins(0, 0, 0, 1));
        row.name =
            new TextLabel(this, groupName(QStringLiteral("Label1"), r), geometry::nameLabel(r),
                          nameLook, place + QStringLiteral("の化合物"));
        const QString cellGroup = QStringLiteral("Image%1").arg(r + 6);
        for (int c = 1; c <= FormulaPractice::cellCount; ++c)
            row.cells[static_cast<std::size_t>(c - 1)] = new ImageBox(
                this, groupName(cellGroup, c), geometry::cell(r, c), QStringLiteral("空き"));
        // Created last, so it lies over everything else of its row and takes its clicks.
        row.area =
            new ImageBox(this, groupName(QStringLiteral("Image4"), r), geometry::rowArea(r), place);
        row.area->setClickable(true);
        connect(row.area, &ImageBox::clicked, this, [this, r] { rowClicked(r); });
    }
}

void FormulaForm::buildButtons() {
    const struct {
        int k;
        const char16_t* face;
        void (FormulaForm::*handler)();
    } buttons[] = {
        {2, u"全式削除", &FormulaForm::clearFormulaClicked},
        {3, u"一字削除", &FormulaForm::deleteGlyphClicked},
    };
    for (const auto& b : buttons) {
        auto* button = new PictureButton(this, QStringLiteral("Command%1").arg(b.k),
                                         geometry::button(b.k), QString::fromUtf16(b.face));
        connect(button, &PictureButton::clicked, this, b.handler);
    }
}

void FormulaForm::start() {
    ProgramState& state = navigator().state();
    practice_ =
        std::make_unique<FormulaPractice>(FormulaData::load(state.basePath), state.formulaPairs,
                                          navigator().clock(), navigator().random());
    apply(practice_->startSet());
}

void FormulaForm::rowClicked(int r) {
    apply(practice_->selectRow(r));
}

void FormulaForm::glyphClicked(int n) {
    apply(practice_->enterGlyph(n));
}

void FormulaForm::deleteGlyphClicked() {
    apply(practice_->deleteGlyph());
}

void FormulaForm::clearFormulaClicked() {
    apply(practice_->clearFormula());
}

void FormulaForm::judgeClicked() {
    apply(practice_->judgeRows());
}

void FormulaForm::nextClicked() {
    apply(practice_->nextSet());
}

void FormulaForm::referenceClicked() {
    navigator().state().ionTableSubstance = practice_->ionTableSubstance();
    PracticeScreen::referenceClicked();
}

void FormulaForm::draw(const Outcome& outcome) {
    if (outcome.newQuestion) {
        for (int r = 1; r <= FormulaPractice::rowCount; ++r)
            rows_[static_cast<std::size_t>(r - 1)].name->setCaption(practice_->row(r).name);
        // The highlight starts again from entry 1; a highlight still shown
        // from the last set would otherwise stay behind, tracked by nothing.
        for (ImageBox* entry : palette_)
            entry->clearPicture();
        chrome().resetHover(1, 1);
    }
    for (int r = 1; r <= FormulaPractice::rowCount; ++r)
        drawRow(r);
}

void FormulaForm::drawRow(int r) {
    const FormulaRow& state = practice_->row(r);
    Row& row = rows_[static_cast<std::size_t>(r - 1)];
    row.shape->setFillColor(markColour(state.mark));
    row.shape->setFilled(state.filled);
    row.area->setAccessibleDescription(spokenMark(state));

    std::array<int, FormulaPractice::cellCount + 1> glyphAt{}; // 0: the cell shows nothing
    for (const PlacedGlyph& g : practice_->placedGlyphs(r))
        glyphAt[static_cast<std::size_t>(g.cell)] = g.glyph;
    for (int c = 1; c <= FormulaPractice::cellCount; ++c) {
        ImageBox* cell = row.cells[static_cast<std::size_t>(c - 1)];
        const int n = glyphAt[static_cast<std::size_t>(c)];
        if (n == 0) {
            if (!cell->picturePath().isEmpty()) {
                cell->clearPicture();
                cell->setGeometry(geometry::cell(r, c));
                cell->setAccessibleName(QStringLiteral("空き"));
            }
        } else if (cell->picturePath() != glyphPicture(n)) {
            // A wide glyph's picture reaches over the next cells, which stay empty.
            const int last = c + practice_->data().elementWidth(n) - 1;
            cell->setGeometry(geometry::cell(r, c).united(geometry::cell(r, last)));
            cell->loadPicture(glyphPicture(n));
            cell->setAccessibleName(glyph(n).spokenName());
        }
    }
}

QString FormulaForm::glyphPicture(int n) {
    return materialPath(navigator().state().basePath,
                        QStringLiteral("\\化学式\\元素\\gen(%1).gif").arg(n));
}

} // namespace formula
