// The reaction exercise's material loader over a whole folder: the input holds its
// data files in the order below, separated by lines "@@@" (a missing part
// leaves its file missing). Loading either succeeds or ends in a DataError
// naming one of the files.

#include "FuzzSupport.h"
#include "reaction/ReactionData.h"
#include "reaction/ReactionPaths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList files{reaction::paths::molarMasses(), reaction::paths::reactions(),
                            reaction::paths::pictureTexts()};
    auto& material = fuzzsupport::ScratchMaterial::instance();
    material.writeAll(files, fuzzsupport::splitFiles(data, size, files.size()));
    fuzzsupport::loadExpectingOnlyDataErrors(
        files, [&] { reaction::ReactionData::load(material.basePath()); });
    return 0;
}
