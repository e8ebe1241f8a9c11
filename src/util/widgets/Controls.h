#pragma once

#include <QRect>
#include <QString>

class QWidget;

namespace widgets {

// Every control of a screen is declared the same way: its name (a group
// member with its index, as "Image2_5"), its place in the client area, and
// what a screen reader should call it.
void placeControl(QWidget* w, const QString& name, const QRect& rect,
                  const QString& accessibleName);

// "Image2" and 5 give "Image2_5": the object name of a group member.
QString groupName(const QString& group, int index);

} // namespace widgets
