#include "Corruption.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>

#include <stdexcept>

namespace corruptTest {

namespace {

// The first byte of a two-byte CP932 character.
bool isLeadByte(char c) {
    const auto b = static_cast<unsigned char>(c);
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

QByteArray readAll(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read good material: " + path.toStdString());
    return f.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

void replaceByDirectory(const QString& path) {
    QFile::remove(path);
    QDir().mkpath(path);
}

// Offset where 1-based line n begins.
qsizetype lineStart(const QByteArray& bytes, int n) {
    qsizetype at = 0;
    for (int i = 1; i < n; ++i) {
        at = bytes.indexOf('\n', at);
        if (at < 0)
            throw std::runtime_error("the material has fewer lines than the test expects");
        ++at;
    }
    return at;
}

// Offset where line n ends, before its CR LF.
qsizetype lineEnd(const QByteArray& bytes, int n) {
    qsizetype end = bytes.indexOf('\n', lineStart(bytes, n));
    if (end < 0)
        end = bytes.size();
    if (end > 0 && bytes[end - 1] == '\r')
        --end;
    return end;
}

// Line n with `edit` applied to its text.
template <class Edit> QByteArray editLine(QByteArray bytes, int n, Edit edit) {
    const qsizetype start = lineStart(bytes, n);
    const qsizetype end = lineEnd(bytes, n);
    return bytes.replace(start, end - start, edit(bytes.mid(start, end - start)));
}

QByteArray truncatedAtHalf(const QByteArray& bytes) {
    qsizetype at = 0;
    while (at < bytes.size() / 2)
        at += isLeadByte(bytes[at]) ? 2 : 1;
    return bytes.left(at);
}

QByteArray withLastCharacterCut(const QByteArray& bytes) {
    qsizetype lastLead = -1;
    for (qsizetype at = 0; at < bytes.size(); at += isLeadByte(bytes[at]) ? 2 : 1)
        if (isLeadByte(bytes[at]))
            lastLead = at;
    if (lastLead < 0)
        throw std::runtime_error("the file has no two-byte character to cut");
    return bytes.left(lastLead + 1);
}

QByteArray withField(const QByteArray& line, int field, const QByteArray& value) {
    QList<QByteArray> fields = line.split(',');
    if (field >= fields.size())
        throw std::runtime_error("the line has fewer fields than the test expects");
    fields[field] = value;
    return fields.join(',');
}

} // namespace

void spoilData(const QString& path, DataFault fault, const DataSpot& spot) {
    if (fault == DataFault::Missing) {
        QFile::remove(path);
        return;
    }
    if (fault == DataFault::Directory) {
        replaceByDirectory(path);
        return;
    }
    const QByteArray good = readAll(path);
    QByteArray bad;
    switch (fault) {
    case DataFault::Empty:
        break;
    case DataFault::Truncated:
        bad = truncatedAtHalf(good);
        break;
    case DataFault::CutCharacter:
        bad = withLastCharacterCut(good);
        break;
    case DataFault::Byte80:
        bad = QByteArray(good).insert(lineStart(good, 2), '\x80');
        break;
    case DataFault::ByteFF:
        bad = QByteArray(good).insert(lineStart(good, 2) + 1, '\xFF');
        break;
    case DataFault::FewerFields:
        bad = spot.lines ? QByteArray(good).remove(0, lineStart(good, 2))
                         : editLine(good, 1, [](const QByteArray& line) {
                               return line.left(line.lastIndexOf(','));
                           });
        break;
    case DataFault::MoreFields: {
        const QByteArray extra =
            spot.lines ? QByteArray(QStringEncoder("CP932").encode(QStringLiteral(",追加")))
                       : QByteArray(",1");
        bad = editLine(good, 1, [&](const QByteArray& line) { return line + extra; });
        break;
    }
    case DataFault::NotANumber:
        bad = editLine(good, spot.line,
                       [&](const QByteArray& line) { return withField(line, spot.field, "abc"); });
        break;
    case DataFault::OutOfRange:
        bad = editLine(good, spot.line, [&](const QByteArray& line) {
            return withField(line, spot.field, spot.outOfRange);
        });
        break;
    case DataFault::Missing:
    case DataFault::Directory:
        break;
    }
    writeAll(path, bad);
}

QByteArray tinyGif(int w, int h) {
    const auto le16 = [](int v) {
        QByteArray two;
        two.append(static_cast<char>(v & 0xFF)).append(static_cast<char>((v >> 8) & 0xFF));
        return two;
    };
    QByteArray gif("GIF89a");
    gif += le16(w) + le16(h);
    gif += QByteArray("\x80\0\0", 3); // a global colour table of two entries
    gif += QByteArray(6, '\0');       // both black
    gif += ',' + le16(0) + le16(0) + le16(w) + le16(h) + QByteArray(1, '\0');
    gif += QByteArray("\x02\x02\x4c\x01\0", 5); // minimum code size 2, one data block
    gif += ';';
    return gif;
}

void spoilPicture(const QString& path, PictureFault fault) {
    switch (fault) {
    case PictureFault::Missing:
        QFile::remove(path);
        return;
    case PictureFault::NotAGif:
        writeAll(path, "this is a line of text\r\n");
        return;
    case PictureFault::Empty:
        writeAll(path, {});
        return;
    case PictureFault::ZeroArea:
        writeAll(path, tinyGif(0, 0));
        return;
    case PictureFault::Huge:
        writeAll(path, tinyGif(60000, 60000));
        return;
    case PictureFault::Oversize:
        writeAll(path, tinyGif(8000, 8000));
        return;
    case PictureFault::Directory:
        replaceByDirectory(path);
        return;
    }
}

} // namespace corruptTest
