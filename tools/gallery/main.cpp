// chemdrill-gallery OUTDIR [--scale N]
// Writes a PNG of every screen into OUTDIR: NAME.png at scale 1 and
// NAME@2x.png at scale 2. Qt's scale factor holds for a whole process, so
// without --scale the program runs itself once per scale.
#include "PrerenderedPictures.h"
#include "ScreenGallery.h"
#include "app/AppSetup.h"
#include "util/MaterialPath.h"

#include <QApplication>
#include <QProcess>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using app::prepareApplication;
using util::basePathFrom;

namespace {
QtMessageHandler defaultHandler = nullptr;

// Offscreen windows cannot be raised; saying so for every screen is noise.
void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QStringLiteral("does not support raise()")))
        return;
    defaultHandler(type, context, message);
}

int usage() {
    std::fprintf(stderr, "usage: chemdrill-gallery OUTDIR [--scale N]\n");
    return 2;
}

int renderAtScale(int argc, char** argv, const QString& outDir, int scale) {
    qputenv("QT_SCALE_FACTOR", QByteArray::number(scale));
    qunsetenv("QT_SCREEN_SCALE_FACTORS");
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    defaultHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    linkPrerenderedPictures();
    prepareApplication();
    QDir dir(outDir);
    if (!dir.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "chemdrill-gallery: cannot create %s\n", qUtf8Printable(outDir));
        return 1;
    }
    const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
    ScreenGallery gallery(basePathFrom(QCoreApplication::applicationDirPath()), dir, suffix);
    const int written = gallery.renderAll();
    std::printf("chemdrill-gallery: %d pictures at scale %d in %s\n", written, scale,
                qUtf8Printable(dir.absolutePath()));
    return written > 0 ? 0 : 1;
}

int renderBothScales(int argc, char** argv, const QString& outDir) {
    QCoreApplication app(argc, argv);
    int status = 0;
    for (const char* scale : {"1", "2"}) {
        const int rc =
            QProcess::execute(QCoreApplication::applicationFilePath(),
                              {outDir, QStringLiteral("--scale"), QString::fromLatin1(scale)});
        if (rc != 0)
            status = 1;
    }
    return status;
}
} // namespace

int main(int argc, char** argv) {
    if (argc == 2)
        return renderBothScales(argc, argv, QString::fromLocal8Bit(argv[1]));
    if (argc == 4 && std::strcmp(argv[2], "--scale") == 0) {
        const int scale = std::atoi(argv[3]);
        if (scale < 1 || scale > 4)
            return usage();
        return renderAtScale(argc, argv, QString::fromLocal8Bit(argv[1]), scale);
    }
    return usage();
}
