#include "DataFile.h"

#include "DataError.h"
#include "MaterialPath.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <cmath>

namespace util {

namespace {

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
bool isLineEnd(QChar c) {
    return c == u'\r' || c == u'\n';
}

// Line of the first bytes the decoder cannot map, counted the way the reader
// counts lines. The decoded text cannot tell: a bad byte may become U+001A or
// U+FFFD, and U+001A may also be a good byte. CR and LF bytes are never half
// of a two-byte character, so each line is decoded on its own instead.
int firstBadLine(const QByteArray& bytes) {
    int line = 1;
    qsizetype start = 0;
    for (qsizetype i = 0; i <= bytes.size(); ++i) {
        if (i < bytes.size() && bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(QByteArrayView(bytes).sliced(start, i - start));
        if (decoder.hasError())
            return line;
        if (i + 1 < bytes.size() && bytes[i] == '\r' && bytes[i + 1] == '\n')
            ++i;
        ++line;
        start = i + 1;
    }
    return 0; // the whole file decodes after all
}

QString decodeCp932(const QString& relativePath, const QByteArray& bytes) {
    // Stateless: a lead byte cut off at the end of the file is reported
    // instead of being dropped silently.
    QStringDecoder decoder("CP932", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid())
        throw DataError(relativePath, 0, QStringLiteral("文字コード CP932 を読む機能がありません"));
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        throw DataError(relativePath, firstBadLine(bytes),
                        QStringLiteral("シフトJIS（CP932）として読めない文字があります"));
    return text;
}

} // namespace

DataFile::DataFile(QString relativePath, QString text, bool)
    : path_(std::move(relativePath)), text_(std::move(text)) {}

DataFile::DataFile(const QString& basePath, const QString& relativePath) : path_(relativePath) {
    QFile file(materialPath(basePath, relativePath));
    if (!file.exists())
        throw DataError(relativePath, 0, QStringLiteral("ファイルが見つかりません"));
    if (QFileInfo(file).isDir())
        throw DataError(relativePath, 0, QStringLiteral("ファイルではなくフォルダです"));
    if (!file.open(QIODevice::ReadOnly))
        throw DataError(relativePath, 0, QStringLiteral("ファイルを開けません"));
    const QByteArray bytes = file.readAll();
    // Said plainly: "ends early" would send the reader looking for a cut.
    if (bytes.isEmpty())
        throw DataError(relativePath, 0, QStringLiteral("ファイルが空です"));
    text_ = decodeCp932(relativePath, bytes);
}

DataFile DataFile::fromText(const QString& relativePath, const QString& text) {
    return DataFile(relativePath, text, true);
}

bool DataFile::atEnd() const {
    return pos_ >= text_.size();
}

bool DataFile::atLineEnd() const {
    return !atEnd() && isLineEnd(text_[pos_]);
}

void DataFile::skipBlanks() {
    while (!atEnd() && isBlank(text_[pos_]))
        ++pos_;
}

// CR LF, a lone CR and a lone LF each end one line.
void DataFile::skipLineEnd() {
    if (atEnd())
        return;
    if (text_[pos_] == u'\r') {
        ++pos_;
        if (!atEnd() && text_[pos_] == u'\n')
            ++pos_;
    } else if (text_[pos_] == u'\n') {
        ++pos_;
    }
    ++line_;
}

void DataFile::fail(const QString& problem) const {
    throw DataError(path_, fieldLine_, problem);
}

QString DataFile::text() {
    skipBlanks();
    // Blank lines between fields carry no field; after a comma, a line end
    // closes an empty field instead.
    if (!afterComma_) {
        while (atLineEnd()) {
            skipLineEnd();
            skipBlanks();
        }
    }
    fieldLine_ = line_;
    if (atEnd()) {
        // After a comma the line promised another field: the file was cut
        // in the middle of a line.
        fail(afterComma_
                 ? QStringLiteral("ファイルが途中で終わっています（行の途中で切れています）")
                 : QStringLiteral("ファイルが途中で終わっています（欄が足りません）"));
    }

    QString value;
    if (text_[pos_] == u'"') {
        const qsizetype close = text_.indexOf(u'"', pos_ + 1);
        const qsizetype lineEnd = [&] {
            qsizetype i = pos_ + 1;
            while (i < text_.size() && !isLineEnd(text_[i]))
                ++i;
            return i;
        }();
        if ((close < 0 || close > lineEnd) && lineEnd == text_.size())
            fail(QStringLiteral("ファイルが途中で終わっています（引用符の中で切れています）"));
        if (close < 0 || close > lineEnd)
            fail(QStringLiteral("引用符 \" が閉じていません"));
        value = text_.mid(pos_ + 1, close - pos_ - 1);
        pos_ = close + 1;
        // Anything between the closing quote and the separator is not part of the field.
        while (!atEnd() && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
    } else {
        const qsizetype start = pos_;
        while (!atEnd() && text_[pos_] != u',' && !isLineEnd(text_[pos_]))
            ++pos_;
        value = text_.mid(start, pos_ - start);
        while (!value.isEmpty() && isBlank(value.back()))
            value.chop(1);
    }

    afterComma_ = false;
    if (!atEnd() && text_[pos_] == u',') {
        ++pos_;
        afterComma_ = true;
    } else {
        skipLineEnd();
    }
    return value;
}

int DataFile::integer(int min, int max) {
    const QString field = text();
    if (field.trimmed().isEmpty())
        fail(QStringLiteral("整数が必要な欄が空です"));
    bool ok = false;
    const int value = field.trimmed().toInt(&ok);
    if (!ok) {
        throw DataError(path_, fieldLine_,
                        QStringLiteral("整数が必要な欄に「%1」があります").arg(field));
    }
    if (value < min || value > max) {
        throw DataError(
            path_, fieldLine_,
            QStringLiteral("数値 %1 が範囲 %2〜%3 の外です").arg(value).arg(min).arg(max));
    }
    return value;
}

double DataFile::real() {
    const QString field = text();
    if (field.trimmed().isEmpty())
        fail(QStringLiteral("数値が必要な欄が空です"));
    bool ok = false;
    const double value = field.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value)) {
        throw DataError(path_, fieldLine_,
                        QStringLiteral("数値が必要な欄に「%1」があります").arg(field));
    }
    return value;
}

QString DataFile::line() {
    if (atEnd())
        fail(QStringLiteral("ファイルが途中で終わっています（行が足りません）"));
    fieldLine_ = line_;
    const qsizetype start = pos_;
    while (!atEnd() && !isLineEnd(text_[pos_]))
        ++pos_;
    const QString value = text_.mid(start, pos_ - start);
    skipLineEnd();
    afterComma_ = false;
    return value;
}

} // namespace util
