#include "ScreenGallery.h"

#include "app/ScreenFactory.h"
#include "coefficient/CoefficientForm.h"
#include "formula/FormulaForm.h"
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

using coefficient::CoefficientForm;
using formula::FormulaForm;
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
    else if (auto* coefficient = qobject_cast<CoefficientForm*>(window))
        stageCoefficient(coefficient);
    settle();
}

void ScreenGallery::settle() {
    for (int i = 0; i < 3; ++i) {
        QGuiApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QGuiApplication::processEvents();
    }
}
