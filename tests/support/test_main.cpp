// Test main: a QApplication for widget tests, offscreen unless told otherwise.
// Test discovery runs the binary without the tests' environment, so the
// platform is set here too.
#include "PrerenderedPictures.h"
#include "app/AppSetup.h"

#include <QApplication>

#include <gtest/gtest.h>

using app::prepareApplication;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    linkPrerenderedPictures();
    prepareApplication();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
