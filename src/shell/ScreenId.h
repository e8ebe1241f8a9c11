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

} // namespace shell
