#pragma once

#include "shell/ScreenId.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/Place.h"

#include <QString>

namespace practice {

// Where one practice screen puts the elements every practice screen shares,
// under which control names.
struct PracticeLayout {
    widgets::Place bannerBox;  // magenta box of the message banner
    widgets::Place bannerText; // its text, over the box
    double bannerSeconds;      // the banner hides at the first tick after this
    widgets::Place judge;      // 解答判定
    widgets::Place legend;     // the 正/誤 legend, where the judge button is
    widgets::Place scorePanel;
    widgets::Place scoreLabel;
    widgets::Place next; // 次
    widgets::Place quit; // 終了
    widgets::Place menu; // メニュー
};

// The button that opens the screen's reference screen over it.
struct ReferenceButton {
    widgets::Place place;
    QString face;
    widgets::FaceColors colors;
    shell::ScreenId target;
    // A further reference screen reached from target (the ion table leads to
    // 化学式作成), Menu for none.
    shell::ScreenId leadsTo = shell::ScreenId::Menu;
};

// One description of a practice screen: everything the four share, so that a
// screen class adds only its own controls.
struct PracticeScreenInfo {
    shell::ScreenId id;
    QString formName; // 化学式, 係数, モル, 反応量
    QString caption;
    PracticeLayout shared;
    ReferenceButton reference;
};

const PracticeScreenInfo& formulaScreen();
const PracticeScreenInfo& coefficientScreen();
const PracticeScreenInfo& moleScreen();
const PracticeScreenInfo& reactionScreen();

} // namespace practice
