#pragma once

#include "shell/FormWindow.h"

namespace app {

// An explanation screen: one large picture and a 戻る button.
class ExplanationForm : public shell::FormWindow {
    Q_OBJECT
public:
    struct Page {
        shell::ScreenId id;
        QString formName;
        QString caption;
        QSize clientSize;
        QRect picture;
        QString resource;    // the picture's page among the resources
        QString pictureName; // what a screen reader calls the picture
        QString backButton;  // control name of 戻る
        QPoint backAt;
        shell::ScreenId backTo; // shown after 戻る unloads this screen, or Menu for none
        bool showsOther;        // whether 戻る shows backTo
    };
    ExplanationForm(shell::Navigator& navigator, const Page& page);
};

// 化学式作成: how to write the formula of an ionic compound.
class FormulaHowToForm : public ExplanationForm {
    Q_OBJECT
public:
    explicit FormulaHowToForm(shell::Navigator& navigator);
};

// 係数決定法: how to find the coefficients of an equation.
class CoefficientHowToForm : public ExplanationForm {
    Q_OBJECT
public:
    explicit CoefficientHowToForm(shell::Navigator& navigator);
};

// モル計算法: particles, gas volume and mass of one mole.
class MoleHowToForm : public ExplanationForm {
    Q_OBJECT
public:
    explicit MoleHowToForm(shell::Navigator& navigator);
};

// 反応量計算法: the quantities of a reaction from its coefficients.
class ReactionHowToForm : public ExplanationForm {
    Q_OBJECT
public:
    explicit ReactionHowToForm(shell::Navigator& navigator);
};

} // namespace app
