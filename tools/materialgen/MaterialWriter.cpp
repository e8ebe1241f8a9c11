#include "MaterialWriter.h"

#include "GifWriter.h"
#include "util/MaterialPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QStringEncoder>

using util::materialPath;

MaterialWriter::MaterialWriter(QString sourceRoot, QString outputRoot)
    : sourceRoot_(std::move(sourceRoot)), outputRoot_(std::move(outputRoot)) {}

QString MaterialWriter::outputPath(const QString& relativePath) {
    const QString path = materialPath(outputRoot_, relativePath);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return path;
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
    const QString error = writeGif(drawPicture(size, paint), outputPath(relativePath));
    if (!error.isEmpty())
        fail(relativePath + QStringLiteral(": ") + error);
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
    const QString error =
        writeGif(twoTone(drawPicture(size, paint)), outputPath(relativePath), qRgb(0, 0, 0));
    if (!error.isEmpty())
        fail(relativePath + QStringLiteral(": ") + error);
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
    QFile file(outputPath(relativePath));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        fail(relativePath + QStringLiteral(": cannot write"));
}

QString MaterialWriter::source(const QString& name) {
    QFile file(QDir(sourceRoot_).filePath(name));
    if (!file.open(QIODevice::ReadOnly)) {
        fail(QStringLiteral("cannot read source ") + name);
        return {};
    }
    return QString::fromUtf8(file.readAll());
}
