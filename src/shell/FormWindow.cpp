#include "FormWindow.h"

#include "Navigator.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QScreen>

namespace shell {

FormWindow::FormWindow(Navigator& navigator, ScreenId id, const QString& formName,
                       const QString& caption, QSize clientSize)
    : QWidget(nullptr), navigator_(navigator), id_(id) {
    setObjectName(formName);
    setWindowTitle(caption);
    setAccessibleName(caption);
    setFixedSize(clientSize);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::black);
    pal.setColor(QPalette::WindowText, Qt::white);
    setPalette(pal);
    setAutoFillBackground(true);
    setMouseTracking(true);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect avail = screen->availableGeometry();
        move(avail.x() + (avail.width() - clientSize.width()) / 2,
             avail.y() + (avail.height() - clientSize.height()) / 2);
    }
}

void FormWindow::closeEvent(QCloseEvent* e) {
    e->accept();
    navigator_.forget(this);
}

void FormWindow::mouseMoveEvent(QMouseEvent* e) {
    // Moves over a child that does not track the pointer arrive here too;
    // only the bare background counts.
    if (childAt(e->position().toPoint()) == nullptr)
        emit backgroundPointerMoved();
}

} // namespace shell
