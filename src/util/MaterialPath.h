#pragma once

#include <QString>

namespace util {

// The material folder from the folder the platform reports for the
// executable: one trailing separator is removed (a drive or file-system root
// is reported with it), nothing else is normalised.
QString basePathFrom(const QString& executableDir);

// basePath joined with a material path written with backslashes, such as
// "\化学式\データ\元素.dat", as a native path of this system.
QString materialPath(const QString& basePath, const QString& relativePath);

} // namespace util
