#pragma once

#include "FormWindow.h"

class TextLabel;

// イオン表: the table of cations and anions, with a blue line naming the
// compound that was selected on the formula screen.
class IonTableForm : public FormWindow {
    Q_OBJECT
public:
    explicit IonTableForm(Navigator& navigator);
    void load() override;

private:
    TextLabel* lineBox_;
    TextLabel* line_;
};
