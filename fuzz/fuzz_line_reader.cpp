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

// The line of the first bytes that are not CP932, found apart from the
// reader's own way: the raw bytes split at their line ends, and the shortest
// run of whole lines from the start that no longer decodes. 0 when all do.
int firstBadLine(const QByteArray& bytes) {
    QByteArray unified = bytes;
    unified.replace("\r\n", "\n").replace('\r', '\n');
    const QList<QByteArray> lines = unified.split('\n');
    QByteArray prefix;
    for (qsizetype k = 0; k < lines.size(); ++k) {
        prefix += lines[k];
        QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
        [[maybe_unused]] const QString decoded = decoder.decode(prefix);
        if (decoder.hasError())
            return static_cast<int>(k + 1);
        prefix += '\n';
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
