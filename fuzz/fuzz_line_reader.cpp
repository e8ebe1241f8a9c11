// The line reader over a whole data file: the bytes are one file, read line
// by line to the end. The lines must be those of an independent split of the
// decoded text, and the reader must refuse exactly the files that are not
// CP932.

#include "FuzzSupport.h"
#include "util/DataError.h"
#include "util/DataFile.h"

#include <QRegularExpression>
#include <QStringDecoder>

using fuzzsupport::check;

namespace {
const QString file = QStringLiteral("\\データ\\行.dat");

// The file's lines as the reader should give them: CR LF, CR and LF each end
// a line; a line end at the very end opens no further line.
QStringList expectedLines(const QString& text) {
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = text.split(lineEnd);
    if (lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

// The line of the first bytes that are not CP932. CR and LF bytes are never
// half of a two-byte character, so each line's bytes decode on their own.
int firstBadLine(const QByteArray& bytes) {
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(bytes.mid(start, i - start));
        if (decoder.hasError())
            return line;
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
        ++line;
        start = i + 1;
    }
    return 0;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    auto& material = fuzzsupport::ScratchMaterial::instance();
    material.write(file, bytes);

    QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
    const QString text = decoder.decode(bytes);
    const bool decodable = !decoder.hasError();

    QStringList lines;
    try {
        util::DataFile f(material.basePath(), file);
        check(!bytes.isEmpty(), "an empty file was read");
        check(decodable, "bytes that are not CP932 were read", QString::fromLatin1(bytes.toHex()));
        while (!f.atEnd()) {
            const QString line = f.line();
            check(!line.contains(u'\r') && !line.contains(u'\n'), "a line holds a line end", line);
            lines << line;
            // A last line without a line end leaves the reader on it.
            check(f.atEnd() || f.lineNumber() == lines.size() + 1, "the line number lost count");
        }
    } catch (const util::DataError& e) {
        check(e.file() == file, "the error names another file", e.file());
        // An empty file is refused as empty, with no line to name.
        if (bytes.isEmpty()) {
            check(e.line() == 0, "an empty file's error names a line", e.message());
            return 0;
        }
        check(!decodable, "a decodable file was refused", e.message());
        check(e.line() == firstBadLine(bytes), "the error names another line than the bad one",
              e.message());
        return 0;
    }
    check(lines == expectedLines(text), "the lines differ from the file's",
          lines.join(QStringLiteral("|")));
    return 0;
}
