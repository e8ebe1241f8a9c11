// chemdrill-icongen OUTDIR NAME
// Draws the program icon with the program's own drawing code at the sizes a
// desktop's icon theme looks up, as OUTDIR/hicolor/NxN/apps/NAME.png, so the
// installed menu entry shows the same flask as the windows.
#include "util/widgets/Art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

using widgets::programIconImage;

namespace {
// Panels, menus and launchers pick from these; 128 and 256 serve software
// centres and HiDPI launchers.
constexpr int kThemeSizes[] = {16, 24, 32, 48, 64, 128, 256};
} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: chemdrill-icongen OUTDIR NAME\n");
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int size : kThemeSizes) {
        const QString dir = QStringLiteral("%1/hicolor/%2x%2/apps").arg(outDir).arg(size);
        const QString file = QStringLiteral("%1/%2.png").arg(dir, name);
        if (!QDir().mkpath(dir) || !programIconImage(size).save(file, "PNG")) {
            std::fprintf(stderr, "icongen: cannot write %s\n", qUtf8Printable(file));
            return 1;
        }
    }
    return 0;
}
