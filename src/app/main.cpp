#include "PrerenderedPictures.h"
#include "app/AppSetup.h"
#include "app/ProgramSession.h"

#include <QApplication>

using shell::ScreenId;

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    linkPrerenderedPictures();
    app::prepareApplication();

    app::ProgramSession session;
    session.navigator.show(ScreenId::Menu);
    return application.exec();
}
