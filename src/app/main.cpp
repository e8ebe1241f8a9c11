#include "PrerenderedPictures.h"
#include "app/AccessibilityBus.h"
#include "app/AppSetup.h"
#include "app/ProgramSession.h"
#include "app/TerminationSignals.h"

#include <QApplication>

using shell::ScreenId;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    app::connectAccessibilityBusEarly();
    linkPrerenderedPictures();
    app::prepareApplication();

    app::ProgramSession session;
    app::endOnTerminationSignals([&session] { session.navigator.endProgram(); });
    session.navigator.show(ScreenId::Menu);
    return application.exec();
}
