#pragma once

#include <QRect>
#include <QString>

namespace widgets {

// Where one control goes: its object name (a group member carries its index,
// "Image2" with index 5 is "Image2_5") and its rectangle in the client area of
// its parent. Screens list their controls as Places, one a line:
//     constexpr Place judge{.name = "Command4", .rect = {536, 445, 115, 35}};
struct Place {
    const char* name;
    QRect rect;
    int index = -1; // member of a group when 0 or more

    QString objectName() const {
        const QString base = QString::fromLatin1(name);
        return index < 0 ? base : QStringLiteral("%1_%2").arg(base).arg(index);
    }
    // The same control moved to rect, for groups whose members are computed.
    constexpr Place at(const QRect& r) const { return {name, r, index}; }
    constexpr Place member(int i, const QRect& r) const { return {name, r, i}; }
};

} // namespace widgets
