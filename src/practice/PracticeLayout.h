#pragma once

#include "shell/ScreenId.h"

#include <QPoint>
#include <QString>

namespace practice {

// Where one practice screen puts the shared elements, and under which control
// names; the sizes are the same on every screen.
struct PracticeLayout {
    shell::ScreenId screen;
    QString bannerBox;
    QPoint bannerBoxAt;
    QString bannerText;
    QPoint bannerTextAt;
    double bannerSeconds; // the banner hides at the first tick after this
    QString judgeButton;
    QPoint judgeAt;
    QString legend; // lies where the judge button is
    QString scorePanel;
    QPoint scorePanelAt;
    QString scoreLabel;
    QPoint scoreLabelAt;
    QString nextButton;
    QPoint nextAt;
    QString quitButton;
    QPoint quitAt;
    QString menuButton;
    QPoint menuAt;
};

const PracticeLayout& formulaLayout();
const PracticeLayout& coefficientLayout();
const PracticeLayout& moleLayout();
const PracticeLayout& reactionLayout();

} // namespace practice
