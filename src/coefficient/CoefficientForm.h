#pragma once

#include "shell/FormWindow.h"

namespace practice {
class PracticeChrome;
}

namespace coefficient {

// 係数: the practice screen "反応式の係数".
class CoefficientForm : public shell::FormWindow {
    Q_OBJECT
public:
    explicit CoefficientForm(shell::Navigator& navigator);

    practice::PracticeChrome& chrome() { return *chrome_; }

private:
    void openReference();

    practice::PracticeChrome* chrome_;
};

} // namespace coefficient
