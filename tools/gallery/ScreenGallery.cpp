#include "ScreenGallery.h"

#include "app/ScreenFactory.h"
#include "coefficient/CoefficientForm.h"
#include "formula/FormulaForm.h"
#include "mole/MoleForm.h"
#include "reaction/ReactionForm.h"
#include "shell/FormWindow.h"
#include "util/DataError.h"
#include "util/widgets/Art.h"
#include "util/widgets/Controls.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"

#include <QGuiApplication>
#include <QPixmap>

#include <cstdio>
#include <exception>
#include <vector>

using coefficient::CoefficientForm;
using formula::FormulaForm;
using reaction::ReactionForm;
using shell::FormWindow;
using shell::ScreenId;
using util::DataError;
using widgets::groupName;
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::programIcon;

ScreenGallery::ScreenGallery(const QString& basePath, const QDir& outDir, const QString& suffix)
    : outDir_(outDir), suffix_(suffix), navigator_(state_, clock_, random_, app::createScreen) {
    state_.basePath = basePath;
    navigator_.setErrorReporter([this](const DataError& e) { loadError_ = e.message(); });
    // Only the gallery decides when it is done.
    navigator_.setQuitHandler([] {});
}

int ScreenGallery::renderAll() {
    struct Shot {
        ScreenId id;
        const char* file;
    };
    const Shot shots[] = {
        {ScreenId::Formula, "formula"},
        {ScreenId::Coefficient, "coefficient"},
        {ScreenId::Mole, "mole"},
        {ScreenId::Reaction, "reaction"},
        {ScreenId::IonTable, "ion-table"},
        {ScreenId::FormulaHowTo, "formula-howto"},
        {ScreenId::CoefficientHowTo, "coefficient-howto"},
        {ScreenId::MoleHowTo, "mole-howto"},
        {ScreenId::ReactionHowTo, "reaction-howto"},
    };
    // The ion table is shown as the formula screen opens it, with a compound selected.
    state_.ionTableSubstance = QStringLiteral("硫酸アルミニウム");

    // The menu stays loaded underneath, so closing a screen never ends the run.
    int written = render(ScreenId::Menu, QStringLiteral("menu")) ? 1 : 0;
    if (!navigator_.isLoaded(ScreenId::Menu))
        return written;
    for (const Shot& shot : shots) {
        if (render(shot.id, QString::fromLatin1(shot.file)))
            ++written;
        navigator_.unload(shot.id);
        settle();
    }
    if (writeIcon())
        ++written;
    return written;
}

bool ScreenGallery::writeIcon() {
    const QString path =
        outDir_.filePath(QStringLiteral("icon") + suffix_ + QStringLiteral(".png"));
    const QPixmap icon = programIcon().pixmap(QSize(64, 64), qApp->devicePixelRatio());
    if (icon.save(path))
        return true;
    std::fprintf(stderr, "chemdrill-gallery: cannot write %s\n", qUtf8Printable(path));
    return false;
}

bool ScreenGallery::render(ScreenId id, const QString& fileName) {
    const QString path = outDir_.filePath(fileName + suffix_ + QStringLiteral(".png"));
    loadError_.clear();
    FormWindow* window = nullptr;
    try {
        window = navigator_.show(id);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "chemdrill-gallery: %s skipped: %s\n", qUtf8Printable(fileName),
                     e.what());
        return false;
    }
    if (!loadError_.isEmpty() || !window || window->screenId() != id) {
        std::fprintf(
            stderr, "chemdrill-gallery: %s skipped: %s\n", qUtf8Printable(fileName),
            qUtf8Printable(loadError_.isEmpty() ? QStringLiteral("not shown") : loadError_));
        return false;
    }
    settle();
    stage(window);
    if (!window->grab().save(path)) {
        std::fprintf(stderr, "chemdrill-gallery: cannot write %s\n", qUtf8Printable(path));
        return false;
    }
    return true;
}

namespace {

void click(FormWindow* window, const QString& name) {
    if (auto* box = window->findChild<ImageBox*>(name))
        box->click();
    else if (auto* button = window->findChild<PictureButton*>(name))
        button->click();
}

// The formula screen mid-set: two rows right, one wrong, one being written.
void stageFormula(FormulaForm* form) {
    auto enter = [form](int r, int glyphs) {
        click(form, groupName(QStringLiteral("Image4"), r));
        const QString code = form->practice().row(r).correctCode;
        for (int i = 0; i < glyphs && 2 * i < code.size(); ++i)
            click(form, groupName(QStringLiteral("Image2"), code.mid(2 * i, 2).toInt()));
    };
    enter(1, 99);
    enter(2, 99);
    enter(6, 1);
    click(form, QStringLiteral("Command4"));
    enter(7, 3);
}

// The mole screen mid-question: one box right, one wrong, one being worked
// out on the calculator.
void stageMole(mole::MoleForm* form) {
    auto type = [form](const QString& number) {
        for (QChar c : number)
            click(form, groupName(QStringLiteral("command6"), c == u'.' ? 10 : c.digitValue()));
    };
    std::vector<int> open;
    for (int b = 1; b <= 5; ++b)
        if (!form->practice().box(b).given)
            open.push_back(b);
    click(form, groupName(QStringLiteral("Image9"), open[0]));
    type(form->practice().answers().rounded[static_cast<std::size_t>(open[0])]);
    click(form, QStringLiteral("Command8"));
    click(form, groupName(QStringLiteral("Image9"), open[1]));
    type(QStringLiteral("1.5"));
    click(form, QStringLiteral("Command8"));
    click(form, QStringLiteral("Command5"));
    click(form, groupName(QStringLiteral("Image9"), open[2]));
    type(QStringLiteral("22.4"));
}

// The reaction screen mid-question: two cells right, one wrong, and a value
// being worked out on the calculator for a fourth.
void stageReaction(ReactionForm* form) {
    auto type = [form](const QString& number) {
        for (const QChar ch : number)
            click(form, groupName(QStringLiteral("command6"), ch == u'.' ? 10 : ch.digitValue()));
    };
    std::vector<int> open;
    for (int c = 1; c <= reaction::ReactionPractice::cellCount; ++c)
        if (form->practice().cellUsed(c) && !form->practice().cell(c).given)
            open.push_back(c);
    for (std::size_t i = 0; i < open.size() && i < 4; ++i) {
        const int c = open[i];
        click(form, groupName(QStringLiteral("Image9"), c));
        if (i == 3) {
            type(QStringLiteral("12.5"));
            break;
        }
        type(i == 2 ? QStringLiteral("1.5") : form->practice().cell(c).answerRounded);
        click(form, QStringLiteral("Command8"));
        if (i == 2)
            click(form, QStringLiteral("Command5"));
    }
}

// The coefficient screen mid-problem: box 1 right, box 2 wrong, a digit just
// written into box 3, the atom counts shown.
void stageCoefficient(CoefficientForm* form) {
    const std::vector<int>& correct = form->practice().problem().correct;
    auto enter = [form](int j, int d) {
        click(form, groupName(QStringLiteral("Image2"), j));
        click(form, groupName(QStringLiteral("Image4"), d));
    };
    enter(1, correct[0]);
    enter(2, correct[1] % 8 + 1);
    click(form, QStringLiteral("command6"));
    enter(3, correct[2]);
    click(form, QStringLiteral("Command4"));
}

} // namespace

void ScreenGallery::stage(FormWindow* window) {
    if (auto* formula = qobject_cast<FormulaForm*>(window))
        stageFormula(formula);
    if (auto* coefficient = qobject_cast<CoefficientForm*>(window))
        stageCoefficient(coefficient);
    if (auto* moleForm = qobject_cast<mole::MoleForm*>(window))
        stageMole(moleForm);
    if (auto* reactionForm = qobject_cast<ReactionForm*>(window))
        stageReaction(reactionForm);
    settle();
}

void ScreenGallery::settle() {
    for (int i = 0; i < 3; ++i) {
        QGuiApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QGuiApplication::processEvents();
    }
}
