#pragma once

#include "app/FormWindow.h"

class PracticeChrome;

// 係数: the practice screen "反応式の係数".
class CoefficientForm : public FormWindow {
    Q_OBJECT
public:
    explicit CoefficientForm(Navigator& navigator);

    PracticeChrome& chrome() { return *chrome_; }

private:
    void openReference();

    PracticeChrome* chrome_;
};
