#pragma once

#include <QByteArray>
#include <QString>

namespace corruptTest {

// The ways a data file of the material can be spoilt.
enum class DataFault {
    Missing,
    Empty,        // zero bytes
    Truncated,    // cut at half its length, on a character boundary
    CutCharacter, // ends after the first byte of its last two-byte character
    Byte80,       // a byte 0x80, which CP932 does not use, at the start of line 2
    ByteFF,       // the same with 0xFF, inside the first field of line 2
    FewerFields,  // line 1 loses its last field (a line file loses line 1)
    MoreFields,   // line 1 gains a field ",1" (a line file gains ",追加" on line 1)
    NotANumber,   // a numeric field reads "abc"
    OutOfRange,   // a numeric field holds a value outside what the file allows
    Directory,    // a folder of the same name in place of the file
};

// Where a data file is spoilt, for the faults that need to know.
struct DataSpot {
    bool lines = false; // read as whole lines, not as fields
    int line = 1;       // 1-based line of the numeric field
    int field = 0;      // 0-based field of that line
    QByteArray outOfRange{};
};

// Spoils the file at path, which holds good generated material.
void spoilData(const QString& path, DataFault fault, const DataSpot& spot);

// The ways a picture of the material can be spoilt.
enum class PictureFault {
    Missing,
    NotAGif,   // text in place of the picture
    Empty,     // zero bytes
    ZeroArea,  // a GIF of 0 × 0 pixels
    Huge,      // a GIF header claiming 60000 × 60000 pixels
    Oversize,  // a real 8000 × 8000 GIF: small on disk, 64 MB once decoded
    Directory, // a folder of the same name in place of the file
};

void spoilPicture(const QString& path, PictureFault fault);

// A GIF of one colour, w × h pixels, as few bytes as the format allows.
QByteArray tinyGif(int w, int h);

} // namespace corruptTest
