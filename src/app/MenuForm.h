#pragma once

#include "shell/FormWindow.h"

namespace app {

// メニュー: the title and one button per exercise, and 終了.
class MenuForm : public shell::FormWindow {
    Q_OBJECT
public:
    explicit MenuForm(shell::Navigator& navigator);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void open(shell::ScreenId id);
};

} // namespace app
