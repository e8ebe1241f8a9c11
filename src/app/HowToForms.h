#pragma once

#include "FormWindow.h"

// An explanation screen: one large picture and a 戻る button.
class ExplanationForm : public FormWindow {
    Q_OBJECT
public:
    struct Page {
        ScreenId id;
        QString formName;
        QString caption;
        QSize clientSize;
        QRect picture;
        QString resource;    // the picture's page among the resources
        QString pictureName; // what a screen reader calls the picture
        QString backButton;  // control name of 戻る
        QPoint backAt;
        ScreenId backTo; // shown after 戻る unloads this screen, or Menu for none
        bool showsOther; // whether 戻る shows backTo
    };
    ExplanationForm(Navigator& navigator, const Page& page);
};

// 化学式作成: how to write the formula of an ionic compound.
class FormulaHowToForm : public ExplanationForm {
    Q_OBJECT
public:
    explicit FormulaHowToForm(Navigator& navigator);
};

// 係数決定法: how to find the coefficients of an equation.
class CoefficientHowToForm : public ExplanationForm {
    Q_OBJECT
public:
    explicit CoefficientHowToForm(Navigator& navigator);
};

// モル計算法: particles, gas volume and mass of one mole.
class MoleHowToForm : public ExplanationForm {
    Q_OBJECT
public:
    explicit MoleHowToForm(Navigator& navigator);
};

// 反応量計算法: the quantities of a reaction from its coefficients.
class ReactionHowToForm : public ExplanationForm {
    Q_OBJECT
public:
    explicit ReactionHowToForm(Navigator& navigator);
};
