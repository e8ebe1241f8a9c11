#pragma once

#include "FormulaPractice.h"
#include "app/FormWindow.h"

#include <QVector>

#include <array>
#include <memory>

class ImageBox;
class PracticeChrome;
class RectShape;
class TextLabel;

// 化学式: the practice screen "化学式の練習". The learner picks an answer row
// and builds the compound's formula from the glyph palette. The screen only
// draws the state of its FormulaPractice and passes each click on to it.
class FormulaForm : public FormWindow {
    Q_OBJECT
public:
    explicit FormulaForm(Navigator& navigator);
    ~FormulaForm() override;

    // Reads the four data files (a DataError goes to the navigator) and poses
    // the first set.
    void load() override;

    PracticeChrome& chrome() { return *chrome_; }
    const FormulaPractice& practice() const { return *practice_; }

private:
    struct Row {
        ImageBox* area;   // Image4_r: the click area over the whole row
        TextLabel* name;  // Label1_r
        RectShape* shape; // Shape1_r
        std::array<ImageBox*, FormulaPractice::cellCount> cells; // Image<r+6>_1..11
    };

    void buildPalette();
    void buildRows();
    void buildButtons();

    // One handler per event.
    void rowClicked(int r);
    void glyphClicked(int n);
    void deleteGlyphClicked();
    void clearFormulaClicked();
    void judgeClicked();
    void nextClicked();
    void ionTableClicked();

    void apply(const FormulaOutcome& outcome);
    void drawRow(int r);
    QString glyphPicture(int n);

    PracticeChrome* chrome_;
    QVector<ImageBox*> palette_; // Image2_1..26
    std::array<Row, FormulaPractice::rowCount> rows_{};
    std::unique_ptr<FormulaPractice> practice_;
};
