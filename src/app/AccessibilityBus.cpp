#include "AccessibilityBus.h"

#include <QDBusConnection>
#include <QGuiApplication>
#include <QThreadPool>

namespace app {

void connectAccessibilityBusEarly() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    // The connection is shared: Qt's link later finds it open.
    QThreadPool::globalInstance()->start([] { QDBusConnection::sessionBus(); });
}

} // namespace app
