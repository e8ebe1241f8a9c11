#pragma once

#include "app/FormWindow.h"

class PracticeChrome;

// 化学式: the practice screen "化学式の練習".
class FormulaForm : public FormWindow {
    Q_OBJECT
public:
    explicit FormulaForm(Navigator& navigator);

    PracticeChrome& chrome() { return *chrome_; }

private:
    void openReference();

    PracticeChrome* chrome_;
};
