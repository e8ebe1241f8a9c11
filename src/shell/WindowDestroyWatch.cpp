#include "WindowDestroyWatch.h"

#include "FormWindow.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>

#include <xcb/xcb.h>

namespace shell {

bool WindowDestroyWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    const int type = event->response_type & 0x7f;
    if (type == XCB_DESTROY_NOTIFY) {
        const auto* destroy = static_cast<const xcb_destroy_notify_event_t*>(message);
        // Only the window's own notification: the structure notice of a
        // parent about a child would name the child in `window` too.
        if (destroy->event == destroy->window)
            closeWindowOf(destroy->window);
        return false;
    }
    if (type == 0) {
        // Qt unmaps and destroys the window it still believes in; the server
        // answers with errors that say nothing useful to the learner.
        const auto* error = static_cast<const xcb_generic_error_t*>(message);
        const bool aboutVanishedWindow =
            (error->error_code == XCB_WINDOW || error->error_code == XCB_DRAWABLE) &&
            destroyed_.count(error->resource_id) != 0;
        return aboutVanishedWindow;
    }
    return false;
}

void WindowDestroyWatch::closeWindowOf(std::uint32_t nativeId) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<FormWindow*>(widget);
        if (!window || !window->testAttribute(Qt::WA_WState_Created) ||
            window->internalWinId() != nativeId)
            continue;
        destroyed_.insert(nativeId);
        // Closed after the event is handled, through the same path as the
        // window frame's close button.
        QTimer::singleShot(0, window, [w = QPointer<FormWindow>(window)] {
            if (w)
                w->close();
        });
        return;
    }
}

void watchWindowsDestroyedFromOutside() {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    static WindowDestroyWatch watch;
    QCoreApplication::instance()->installNativeEventFilter(&watch);
}

} // namespace shell
