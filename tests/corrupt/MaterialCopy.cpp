#include "MaterialCopy.h"

#include "util/MaterialPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

namespace corruptTest {

MaterialCopy::MaterialCopy(const QString& folder) {
    const QDir from(QStringLiteral(CHEMDRILL_BUILD_DIR "/") + folder);
    QDirIterator it(from.path(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = dir_.filePath(folder + u'/' + from.relativeFilePath(source));
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

QString MaterialCopy::path(const QString& file) const {
    return util::materialPath(dir_.path(), file);
}

QString MaterialCopy::original(const QString& file) {
    return util::materialPath(QStringLiteral(CHEMDRILL_BUILD_DIR), file);
}

bool MaterialCopy::restore(const QString& file) const {
    const QString target = path(file);
    QDir(target).removeRecursively(); // a directory put in its place
    QFile::remove(target);
    return QFile::copy(original(file), target);
}

} // namespace corruptTest
