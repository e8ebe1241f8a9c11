#pragma once

#include "FormulaPractice.h"
#include "shell/FormWindow.h"

#include <QVector>

#include <array>
#include <memory>

namespace widgets {
class ImageBox;
}
namespace practice {
class PracticeChrome;
}
namespace widgets {
class RectShape;
}
namespace widgets {
class TextLabel;
}

namespace formula {

// 化学式: the practice screen "化学式の練習". The learner picks an answer row
// and builds the compound's formula from the glyph palette. The screen only
// draws the state of its FormulaPractice and passes each click on to it.
class FormulaForm : public shell::FormWindow {
    Q_OBJECT
public:
    explicit FormulaForm(shell::Navigator& navigator);
    ~FormulaForm() override;

    // Reads the four data files (a DataError goes to the navigator) and poses
    // the first set.
    void load() override;

    practice::PracticeChrome& chrome() { return *chrome_; }
    const FormulaPractice& practice() const { return *practice_; }

private:
    struct Row {
        widgets::ImageBox* area;   // Image4_r: the click area over the whole row
        widgets::TextLabel* name;  // Label1_r
        widgets::RectShape* shape; // Shape1_r
        std::array<widgets::ImageBox*, FormulaPractice::cellCount> cells; // Image<r+6>_1..11
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

    practice::PracticeChrome* chrome_;
    QVector<widgets::ImageBox*> palette_; // Image2_1..26
    std::array<Row, FormulaPractice::rowCount> rows_{};
    std::unique_ptr<FormulaPractice> practice_;
};

} // namespace formula
