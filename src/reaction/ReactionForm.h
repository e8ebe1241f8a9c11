#pragma once

#include "app/FormWindow.h"

class PracticeChrome;

// 反応量: the practice screen "化学反応の量".
class ReactionForm : public FormWindow {
    Q_OBJECT
public:
    explicit ReactionForm(Navigator& navigator);

    PracticeChrome& chrome() { return *chrome_; }

private:
    void openReference();

    PracticeChrome* chrome_;
};
