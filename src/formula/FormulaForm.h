#pragma once

#include "FormulaPractice.h"
#include "practice/PracticeScreen.h"

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
class FormulaForm : public practice::PracticeScreen {
    Q_OBJECT
public:
    explicit FormulaForm(shell::Navigator& navigator);
    ~FormulaForm() override;

    const FormulaPractice& practice() const { return *practice_; }

protected:
    // Reads the four data files (a DataError goes to the navigator) and poses
    // the first set.
    void start() override;
    void judgeClicked() override;
    void nextClicked() override;
    // イオン表: the selected row's compound goes with it.
    void referenceClicked() override;
    void draw(const practice::Outcome& outcome) override;

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
    void drawRow(int r);
    QString glyphPicture(int n);

    QVector<widgets::ImageBox*> palette_; // Image2_1..26
    std::array<Row, FormulaPractice::rowCount> rows_{};
    std::unique_ptr<FormulaPractice> practice_;
};

} // namespace formula
