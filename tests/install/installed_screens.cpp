// chemdrill-installed-screens BASE_DIR
// Loads every screen of the program over the material folders in BASE_DIR,
// as the installed program would over its own folder, and fails when a
// screen cannot read its data, when a picture it shows cannot be read, or
// when a picture comes from anywhere but BASE_DIR.
#include "PrerenderedPictures.h"
#include "app/AppSetup.h"
#include "app/ScreenFactory.h"
#include "shell/FormWindow.h"
#include "shell/Navigator.h"
#include "shell/ProgramState.h"
#include "util/Clock.h"
#include "util/DataError.h"
#include "util/RandomSource.h"
#include "util/widgets/ImageBox.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using widgets::ImageBox;

namespace {

struct Screen {
    ScreenId id;
    const char* name;
};

// The four exercises read material; the reference screens are drawn by code
// but are loaded too. The menu stays loaded under them all, as in the
// program, since the program ends when no screen is left.
constexpr Screen kScreens[] = {
    {ScreenId::Formula, "formula"},
    {ScreenId::Coefficient, "coefficient"},
    {ScreenId::Mole, "mole"},
    {ScreenId::Reaction, "reaction"},
    {ScreenId::IonTable, "ion table"},
    {ScreenId::FormulaHowTo, "formula how-to"},
    {ScreenId::CoefficientHowTo, "coefficient how-to"},
    {ScreenId::MoleHowTo, "mole how-to"},
    {ScreenId::ReactionHowTo, "reaction how-to"},
};

void settle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
}

// The faults of one shown screen's pictures, one line each.
QStringList pictureFaults(const FormWindow& window, const QString& base) {
    QStringList faults;
    for (const ImageBox* box : window.findChildren<ImageBox*>()) {
        const QString& path = box->picturePath();
        if (path.isEmpty())
            continue;
        if (!box->hasPicture())
            faults << QStringLiteral("cannot read %1").arg(path);
        else if (!QDir::cleanPath(path).startsWith(base + u'/'))
            faults << QStringLiteral("picture from outside %1: %2").arg(base, path);
    }
    return faults;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    linkPrerenderedPictures();
    app::prepareApplication();
    if (argc != 2) {
        std::fprintf(stderr, "usage: chemdrill-installed-screens BASE_DIR\n");
        return 2;
    }

    shell::ProgramState state;
    state.basePath = QDir::cleanPath(QString::fromLocal8Bit(argv[1]));
    util::ManualClock clock{36000};
    util::MixingRandom random{20240401};
    Navigator navigator(state, clock, random, app::createScreen);
    QStringList errors;
    navigator.setErrorReporter([&errors](const util::DataError& e) { errors << e.message(); });
    navigator.setQuitHandler([] {});

    int failed = 0;
    if (!navigator.show(ScreenId::Menu)) {
        std::fprintf(stderr, "menu: the screen was not shown\n");
        return 1;
    }
    for (const Screen& screen : kScreens) {
        errors.clear();
        FormWindow* window = navigator.show(screen.id);
        settle();
        QStringList faults = errors;
        if (!window || window->screenId() != screen.id)
            faults << QStringLiteral("the screen was not shown");
        else
            faults << pictureFaults(*window, state.basePath);
        for (const QString& fault : faults)
            std::fprintf(stderr, "%s: %s\n", screen.name, qUtf8Printable(fault));
        if (!faults.isEmpty())
            ++failed;
        else
            std::printf("%s: loaded\n", screen.name);
        navigator.unload(screen.id);
        settle();
    }
    return failed == 0 ? 0 : 1;
}
