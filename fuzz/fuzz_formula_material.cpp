// The formula exercise's material loader over a whole folder: the input holds its
// data files in the order below, separated by lines "@@@" (a missing part
// leaves its file missing). Loading either succeeds or ends in a DataError
// naming one of the files.

#include "FuzzSupport.h"
#include "formula/FormulaData.h"
#include "formula/FormulaPaths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList files{formula::paths::elements(), formula::paths::cations(),
                            formula::paths::anions(), formula::paths::exclusions()};
    auto& material = fuzzsupport::ScratchMaterial::instance();
    material.writeAll(files, fuzzsupport::splitFiles(data, size, files.size()));
    fuzzsupport::loadExpectingOnlyDataErrors(
        files, [&] { formula::FormulaData::load(material.basePath()); });
    return 0;
}
