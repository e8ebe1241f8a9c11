#pragma once

#include <QString>

namespace testSupport {

// How a bad-data message shows a material path: "\モル\分子量.dat" is shown as
// "モル/分子量.dat", one separator style throughout.
inline QString shownPath(QString materialPath) {
    if (materialPath.startsWith(u'\\'))
        materialPath.remove(0, 1);
    return materialPath.replace(u'\\', u'/');
}

} // namespace testSupport
