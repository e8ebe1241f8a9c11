// chemdrill-materialgen SOURCE_DIR OUTPUT_DIR
// Generates the question material from the sources in SOURCE_DIR into the
// four folders under OUTPUT_DIR. Exits non-zero, listing every fault, when
// anything could not be made.
#include "Generators.h"
#include "MaterialWriter.h"
#include "util/Fonts.h"

#include <QGuiApplication>

#include <cstdio>

using util::installFontSubstitutions;

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    installFontSubstitutions();
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: chemdrill-materialgen SOURCE_DIR OUTPUT_DIR\n");
        return 2;
    }
    MaterialWriter out(args[1], args[2]);
    generateFormulaMaterial(out);
    generateCoefficientMaterial(out);
    generateMoleMaterial(out);
    generateReactionMaterial(out);
    for (const QString& e : out.errors())
        std::fprintf(stderr, "materialgen: %s\n", qUtf8Printable(e));
    return out.errors().isEmpty() ? 0 : 1;
}
