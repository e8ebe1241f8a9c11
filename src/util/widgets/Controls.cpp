#include "Controls.h"

#include <QWidget>

namespace widgets {

void placeControl(QWidget* w, const QString& name, const QRect& rect,
                  const QString& accessibleName) {
    w->setObjectName(name);
    w->setGeometry(rect);
    if (!accessibleName.isEmpty())
        w->setAccessibleName(accessibleName);
}

QString groupName(const QString& group, int index) {
    return QStringLiteral("%1_%2").arg(group).arg(index);
}

} // namespace widgets
