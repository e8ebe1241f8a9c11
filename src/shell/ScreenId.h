#pragma once

namespace shell {

// The ten screens of the program.
enum class ScreenId {
    Menu,             // メニュー
    Formula,          // 化学式
    Coefficient,      // 係数
    Mole,             // モル
    Reaction,         // 反応量
    IonTable,         // イオン表
    FormulaHowTo,     // 化学式作成
    CoefficientHowTo, // 係数決定法
    MoleHowTo,        // モル計算法
    ReactionHowTo,    // 反応量計算法
};

// Every screen, in the order above, for code that looks at them all.
inline constexpr ScreenId allScreens[] = {
    ScreenId::Menu,      ScreenId::Formula,      ScreenId::Coefficient,  ScreenId::Mole,
    ScreenId::Reaction,  ScreenId::IonTable,     ScreenId::FormulaHowTo, ScreenId::CoefficientHowTo,
    ScreenId::MoleHowTo, ScreenId::ReactionHowTo};

} // namespace shell
