#pragma once

#include "practice/PracticeScreen.h"

namespace coefficient {

// 係数: the practice screen "反応式の係数".
class CoefficientForm : public practice::PracticeScreen {
    Q_OBJECT
public:
    explicit CoefficientForm(shell::Navigator& navigator);

protected:
    void start() override {}
    void judgeClicked() override {}
    void nextClicked() override {}
    void draw(const practice::Outcome&) override {}
};

} // namespace coefficient
