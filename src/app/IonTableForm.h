#pragma once

#include "shell/FormWindow.h"

namespace widgets {
class TextLabel;
}

namespace app {

// イオン表: the table of cations and anions, with a blue line naming the
// compound that was selected on the formula screen.
class IonTableForm : public shell::FormWindow {
    Q_OBJECT
public:
    explicit IonTableForm(shell::Navigator& navigator);
    void load() override;

private:
    widgets::TextLabel* lineBox_;
    widgets::TextLabel* line_;
};

} // namespace app
