#include "PrerenderedPictures.h"
#include "app/AppSetup.h"
#include "app/ProgramSession.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    linkPrerenderedPictures();
    prepareApplication();

    ProgramSession session;
    session.navigator.show(ScreenId::Menu);
    return app.exec();
}
