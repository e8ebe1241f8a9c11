#include "AppSetup.h"

#include "util/Fonts.h"
#include "util/widgets/Art.h"
#include "util/widgets/ControlAccessible.h"

#include <QApplication>

void prepareApplication() {
    installFontSubstitutions();
    installControlAccessibility();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(programIcon());
    QApplication::setApplicationName(QStringLiteral("chemdrill"));
}
