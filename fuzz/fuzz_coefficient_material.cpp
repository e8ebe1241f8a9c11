// The coefficient exercise's material loader over a whole folder: the input holds its
// data files in the order below, separated by lines "@@@" (a missing part
// leaves its file missing). Loading either succeeds or ends in a DataError
// naming one of the files. The equation pictures, which the loader checks
// are readable pictures, are there from the start, each a 1 × 1 GIF.

#include "FuzzSupport.h"
#include "coefficient/CoefficientData.h"
#include "coefficient/CoefficientPaths.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    static const char onePixelGif[] = "GIF89a\x01\0\x01\0\x80\0\0\0\0\0\xff\xff\xff"
                                      ",\0\0\0\0\x01\0\x01\0\0\x02\x02\x44\x01\0;";
    auto& material = fuzzsupport::ScratchMaterial::instance();
    for (int n = 1; n <= coefficient::CoefficientData::problemCount; ++n)
        material.write(coefficient::paths::equationPicture(n),
                       QByteArray(onePixelGif, sizeof onePixelGif - 1));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QStringList files{coefficient::paths::positions(), coefficient::paths::titles(),
                            coefficient::paths::answers(), coefficient::paths::substances()};
    auto& material = fuzzsupport::ScratchMaterial::instance();
    material.writeAll(files, fuzzsupport::splitFiles(data, size, files.size()));
    fuzzsupport::loadExpectingOnlyDataErrors(
        files, [&] { coefficient::CoefficientData::load(material.basePath()); });
    return 0;
}
