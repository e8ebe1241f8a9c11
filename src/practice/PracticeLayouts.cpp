#include "PracticeLayout.h"

namespace practice {

using shell::ScreenId;

// One description per screen; names and places differ, behaviour does not.
const PracticeScreenInfo& formulaScreen() {
    static const PracticeScreenInfo info{
        .id = ScreenId::Formula,
        .formName = QStringLiteral("化学式"),
        .caption = QStringLiteral("化学式の練習"),
        .shared =
            {
                .bannerBox = {.name = "Label3", .rect = {152, 234, 472, 46}},
                .bannerText = {.name = "Label4", .rect = {160, 247, 459, 31}},
                .bannerSeconds = 1.5,
                .judge = {.name = "Command4", .rect = {536, 445, 115, 35}},
                .legend = {.name = "Image6", .rect = {536, 445, 115, 35}},
                .scorePanel = {.name = "Image5", .rect = {21, 434, 110, 60}},
                .scoreLabel = {.name = "Label5", .rect = {23, 461, 102, 26}},
                .next = {.name = "command7", .rect = {679, 445, 54, 35}},
                .quit = {.name = "Command5", .rect = {618, 21, 115, 35}},
                .menu = {.name = "command6", .rect = {618, 67, 115, 35}},
            },
        .reference =
            {
                .place = {.name = "Command1", .rect = {158, 445, 115, 35}},
                .face = QStringLiteral("イオン表"),
                .colors = {},
                .target = ScreenId::IonTable,
                .leadsTo = ScreenId::FormulaHowTo,
            },
    };
    return info;
}

const PracticeScreenInfo& coefficientScreen() {
    static const PracticeScreenInfo info{
        .id = ScreenId::Coefficient,
        .formName = QStringLiteral("係数"),
        .caption = QStringLiteral("反応式の係数"),
        .shared =
            {
                .bannerBox = {.name = "Label7", .rect = {135, 206, 472, 46}},
                .bannerText = {.name = "Label8", .rect = {143, 219, 459, 31}},
                .bannerSeconds = 2,
                .judge = {.name = "command6", .rect = {538, 443, 115, 35}},
                .legend = {.name = "Image8", .rect = {538, 443, 115, 35}},
                .scorePanel = {.name = "Image5", .rect = {23, 432, 110, 60}},
                .scoreLabel = {.name = "Label6", .rect = {25, 459, 102, 26}},
                .next = {.name = "command7", .rect = {681, 443, 54, 35}},
                .quit = {.name = "Command1", .rect = {621, 6, 115, 35}},
                .menu = {.name = "Command2", .rect = {621, 52, 115, 35}},
            },
        .reference =
            {
                .place = {.name = "Command3", .rect = {160, 443, 115, 35}},
                .face = QStringLiteral("係数決定法"),
                .colors = {},
                .target = ScreenId::CoefficientHowTo,
            },
    };
    return info;
}

const PracticeScreenInfo& moleScreen() {
    static const PracticeScreenInfo info{
        .id = ScreenId::Mole,
        .formName = QStringLiteral("モル"),
        .caption = QStringLiteral("モル量の計算"),
        .shared =
            {
                .bannerBox = {.name = "Label7", .rect = {68, 238, 472, 46}},
                .bannerText = {.name = "Label8", .rect = {76, 251, 459, 31}},
                .bannerSeconds = 2,
                .judge = {.name = "Command5", .rect = {491, 445, 115, 35}},
                .legend = {.name = "Image8", .rect = {491, 445, 115, 35}},
                .scorePanel = {.name = "Image6", .rect = {44, 434, 110, 60}},
                .scoreLabel = {.name = "Label6", .rect = {46, 461, 102, 26}},
                .next = {.name = "command7", .rect = {650, 445, 54, 35}},
                .quit = {.name = "Command1", .rect = {628, 11, 115, 35}},
                .menu = {.name = "Command2", .rect = {628, 57, 115, 35}},
            },
        .reference =
            {
                .place = {.name = "Command3", .rect = {192, 445, 115, 35}},
                .face = QStringLiteral("計算方法"),
                .colors = {QColor(0, 0, 170), Qt::white},
                .target = ScreenId::MoleHowTo,
            },
    };
    return info;
}

const PracticeScreenInfo& reactionScreen() {
    static const PracticeScreenInfo info{
        .id = ScreenId::Reaction,
        .formName = QStringLiteral("反応量"),
        .caption = QStringLiteral("化学反応の量"),
        .shared =
            {
                .bannerBox = {.name = "Label7", .rect = {66, 249, 472, 46}},
                .bannerText = {.name = "Label8", .rect = {74, 262, 459, 31}},
                .bannerSeconds = 2,
                .judge = {.name = "Command5", .rect = {491, 445, 115, 35}},
                .legend = {.name = "Image8", .rect = {491, 445, 115, 35}},
                .scorePanel = {.name = "Image6", .rect = {44, 434, 110, 60}},
                .scoreLabel = {.name = "Label6", .rect = {46, 461, 102, 26}},
                .next = {.name = "command7", .rect = {650, 445, 54, 35}},
                .quit = {.name = "Command1", .rect = {628, 11, 115, 35}},
                .menu = {.name = "Command2", .rect = {628, 57, 115, 35}},
            },
        .reference =
            {
                .place = {.name = "Command3", .rect = {192, 445, 115, 35}},
                .face = QStringLiteral("計算方法"),
                .colors = {QColor(0, 0, 170), Qt::white},
                .target = ScreenId::ReactionHowTo,
            },
    };
    return info;
}

} // namespace practice
