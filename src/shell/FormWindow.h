#pragma once

#include "ScreenId.h"

#include <QWidget>

namespace shell {

class Navigator;

// A screen's window: its caption, fixed client size, black background, the
// program icon and a centred place. The object name is the screen's form
// name (化学式, メニュー …). Subclasses build their controls in their
// constructor and read their data in load().
class FormWindow : public QWidget {
    Q_OBJECT
public:
    FormWindow(Navigator& navigator, ScreenId id, const QString& formName, const QString& caption,
               QSize clientSize);

    ScreenId screenId() const { return id_; }
    // The load step: read data files and pose the first question. May throw
    // DataError; the navigator then discards the screen.
    virtual void load() {}

signals:
    // The pointer moved over the window's bare background, outside every control.
    void backgroundPointerMoved();

protected:
    Navigator& navigator() { return navigator_; }
    void closeEvent(QCloseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;

private:
    Navigator& navigator_;
    ScreenId id_;
};

} // namespace shell
