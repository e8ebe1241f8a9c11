#pragma once

#include "app/FormWindow.h"

class PracticeChrome;

// モル: the practice screen "モル量の計算".
class MoleForm : public FormWindow {
    Q_OBJECT
public:
    explicit MoleForm(Navigator& navigator);

    PracticeChrome& chrome() { return *chrome_; }

private:
    void openReference();

    PracticeChrome* chrome_;
};
