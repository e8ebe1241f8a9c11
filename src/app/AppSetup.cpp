#include "AppSetup.h"

#include "MenuArt.h"
#include "shell/WindowDestroyWatch.h"
#include "util/Fonts.h"
#include "util/widgets/ControlAccessible.h"

#include <QApplication>

namespace app {

using util::installFontSubstitutions;
using widgets::installControlAccessibility;

void prepareApplication() {
    installFontSubstitutions();
    installControlAccessibility();
    QApplication::setQuitOnLastWindowClosed(false);
    shell::watchWindowsDestroyedFromOutside();
    // Every window carries the application's icon.
    QApplication::setWindowIcon(applicationIcon());
    QApplication::setApplicationName(QStringLiteral("chemdrill"));
    // Lets the desktop match the windows to the installed menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.chemdrill.ChemDrill"));
}

} // namespace app
