#pragma once

#include "FormWindow.h"

// メニュー: the title and one button per exercise, and 終了.
class MenuForm : public FormWindow {
    Q_OBJECT
public:
    explicit MenuForm(Navigator& navigator);

protected:
    void paintEvent(QPaintEvent* e) override;

private:
    void open(ScreenId id);

    bool fontsWarmed_ = false;
};
