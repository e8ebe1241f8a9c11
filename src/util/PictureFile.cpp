#include "PictureFile.h"

#include <QFileInfo>
#include <QImageReader>

namespace util {

namespace {
// Judges the file and the header the reader has opened.
QString problemOf(const QString& path, QImageReader& reader) {
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("ファイルが見つかりません");
    if (info.isDir())
        return QStringLiteral("ファイルではなくフォルダです");
    if (info.size() == 0)
        return QStringLiteral("ファイルが空です");
    if (!reader.canRead())
        return QStringLiteral("画像として読めません");
    const QSize size = reader.size();
    if (size.isEmpty())
        return QStringLiteral("画像の大きさが %1×%2 です").arg(size.width()).arg(size.height());
    if (size.width() > maxPictureSize.width() || size.height() > maxPictureSize.height())
        return QStringLiteral("画像の大きさ %1×%2 が大きすぎます（%3×%4 まで）")
            .arg(size.width())
            .arg(size.height())
            .arg(maxPictureSize.width())
            .arg(maxPictureSize.height());
    return {};
}
} // namespace

QString pictureProblem(const QString& path) {
    QImageReader reader(path);
    return problemOf(path, reader);
}

Picture readPicture(const QString& path) {
    QImageReader reader(path);
    Picture picture{{}, problemOf(path, reader)};
    if (!picture.problem.isEmpty())
        return picture;
    // The size is checked above, before anything is decoded. (Qt's own
    // allocation limit is program-wide, so it is left at its default.)
    if (!reader.read(&picture.image))
        picture.problem = QStringLiteral("画像として読めません（%1）").arg(reader.errorString());
    return picture;
}

} // namespace util
