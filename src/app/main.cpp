#include "PrerenderedPictures.h"
#include "app/AppSetup.h"
#include "app/Navigator.h"
#include "app/ProgramState.h"
#include "util/Clock.h"
#include "util/MaterialPath.h"
#include "util/RandomSource.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    linkPrerenderedPictures();
    prepareApplication();

    ProgramState state;
    state.basePath = basePathFrom(QCoreApplication::applicationDirPath());
    SystemClock clock;
    MixingRandom random;
    Navigator navigator(state, clock, random);
    navigator.show(ScreenId::Menu);
    return app.exec();
}
