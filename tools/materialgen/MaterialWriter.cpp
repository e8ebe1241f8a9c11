#include "MaterialWriter.h"

#include "GifWriter.h"
#include "util/MaterialPath.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QStringEncoder>

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

void MaterialWriter::keyedPicture(const QString& relativePath, QSize size,
                                  const std::function<void(QPainter&)>& paint) {
    const QString error =
        writeGif(drawPicture(size, paint), outputPath(relativePath), qRgb(0, 0, 0));
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
