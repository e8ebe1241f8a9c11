#include "MaterialWriter.h"

#include "GifWriter.h"
#include "util/MaterialPath.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QStringEncoder>

using util::materialPath;

MaterialWriter::MaterialWriter(QString sourceRoot, QString outputRoot)
    : sourceRoot_(std::move(sourceRoot)), outputRoot_(std::move(outputRoot)) {}

namespace {
// The material is read by whoever runs the program, not only by whoever
// generated it, whatever the generating user's umask.
constexpr QFileDevice::Permissions fileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                              QFileDevice::ReadGroup | QFileDevice::ReadOther;
constexpr QFileDevice::Permissions folderMode =
    fileMode | QFileDevice::ExeOwner | QFileDevice::ExeGroup | QFileDevice::ExeOther;
} // namespace

// Makes the folders of relativePath below the output root, each readable by all.
bool MaterialWriter::makeFolders(const QString& relativePath) {
    QStringList parts = relativePath.split(u'\\', Qt::SkipEmptyParts);
    parts.removeLast();
    QString folder = outputRoot_;
    for (const QString& part : parts) {
        folder += u'/' + part;
        if (readyFolders_.contains(folder))
            continue;
        if (!QDir().mkpath(folder) || !QFile::setPermissions(folder, folderMode))
            return false;
        readyFolders_.insert(folder);
    }
    return true;
}

void MaterialWriter::writeFile(const QString& relativePath, const QByteArray& bytes) {
    const QString path = materialPath(outputRoot_, relativePath);
    QFile file(path);
    // The mode is set after writing too: a file left by an earlier run keeps
    // its old mode when it is truncated and written again.
    bool written = makeFolders(relativePath) &&
                   file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
                   file.write(bytes) == bytes.size() && file.flush();
    file.close();
    written = written && file.error() == QFileDevice::NoError && file.setPermissions(fileMode);
    if (!written)
        fail(relativePath + QStringLiteral(": cannot write"));
}

namespace {
QImage drawPicture(QSize size, const std::function<void(QPainter&)>& paint) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    paint(p);
    return image;
}
} // namespace

void MaterialWriter::picture(const QString& relativePath, QSize size,
                             const std::function<void(QPainter&)>& paint) {
    QByteArray gif;
    const QString error = encodeGif(drawPicture(size, paint), gif);
    if (!error.isEmpty())
        fail(relativePath + QStringLiteral(": ") + error);
    else
        writeFile(relativePath, gif);
}

namespace {
// GIF transparency is on or off per pixel, so a half-covered edge pixel would
// keep its blend with black and show as a dark fringe over a coloured
// background. Every pixel becomes either the ink (the brightest colour drawn)
// or the transparent black.
QImage twoTone(QImage image) {
    QRgb ink = qRgb(0, 0, 0);
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qGray(line[x]) > qGray(ink))
                ink = line[x];
    }
    const int threshold = qGray(ink) / 2;
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qGray(line[x]) > threshold ? ink : qRgb(0, 0, 0);
    }
    return image;
}
} // namespace

void MaterialWriter::keyedPicture(const QString& relativePath, QSize size,
                                  const std::function<void(QPainter&)>& paint) {
    QByteArray gif;
    const QString error = encodeGif(twoTone(drawPicture(size, paint)), gif, qRgb(0, 0, 0));
    if (!error.isEmpty())
        fail(relativePath + QStringLiteral(": ") + error);
    else
        writeFile(relativePath, gif);
}

void MaterialWriter::dataFile(const QString& relativePath, const QString& text) {
    QString crlf = text;
    crlf.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    crlf.replace(u'\n', QStringLiteral("\r\n"));
    QStringEncoder encoder("CP932", QStringEncoder::Flag::Stateless);
    const QByteArray bytes = encoder.encode(crlf);
    if (!encoder.isValid() || encoder.hasError()) {
        fail(relativePath + QStringLiteral(": not representable in CP932"));
        return;
    }
    writeFile(relativePath, bytes);
}

QString MaterialWriter::source(const QString& name) {
    QFile file(QDir(sourceRoot_).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read source ") + name);
        return {};
    }
    return QString::fromUtf8(file.readAll());
}
