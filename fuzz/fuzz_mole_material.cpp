// The mole exercise's material loader over a whole folder: the input holds its
// data files in the order below, separated by lines "@@@" (a missing part
// leaves its file missing). Loading either succeeds or ends in a DataError
// naming one of the files.

#include "FuzzSupport.h"
#include "mole/MoleData.h"
#include "mole/MolePaths.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList files{mole::paths::molarMasses(), mole::paths::questionTexts()};
    auto& material = fuzzsupport::ScratchMaterial::instance();
    material.writeAll(files, fuzzsupport::splitFiles(data, size, files.size()));
    fuzzsupport::loadExpectingOnlyDataErrors(files,
                                             [&] { mole::MoleData::load(material.basePath()); });
    return 0;
}
