#include "MaterialPath.h"

#include <QDir>

namespace util {

QString basePathFrom(const QString& executableDir) {
    QString base = executableDir;
    if (base.endsWith(u'\\') || base.endsWith(u'/'))
        base.chop(1);
    return base;
}

QString materialPath(const QString& basePath, const QString& relativePath) {
    QString rel = relativePath;
    rel.replace(u'\\', u'/');
    return QDir::toNativeSeparators(basePath + rel);
}

} // namespace util
