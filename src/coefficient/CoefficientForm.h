#pragma once

#include "CoefficientPractice.h"
#include "practice/PracticeScreen.h"

#include <QVector>

#include <array>
#include <memory>

namespace widgets {
class ImageBox;
class PictureButton;
class TextLabel;
} // namespace widgets

namespace coefficient {

// 係数: the practice screen "反応式の係数". The learner fills the coefficient
// boxes over an equation picture from the digit pad, may show the atoms on
// each side, and asks for a judgement. The screen only draws the state of
// its CoefficientPractice and passes each click on to it.
class CoefficientForm : public practice::PracticeScreen {
    Q_OBJECT
public:
    explicit CoefficientForm(shell::Navigator& navigator);
    ~CoefficientForm() override;

    const CoefficientPractice& practice() const { return *practice_; }

protected:
    // Reads the four data files (a DataError goes to the navigator) and shows
    // the first problem.
    void start() override;
    void judgeClicked() override;
    void nextClicked() override;
    void draw(const practice::Outcome& outcome) override;

private:
    // The four labels of one row of the atom table: symbol, "の数　[", total, "]".
    using TableRow = std::array<widgets::TextLabel*, 4>;

    void buildHeading();
    void buildBoxes();
    void buildPad();
    void buildTable();
    void buildButtons();

    // One handler per event.
    void boxClicked(int j);
    void digitClicked(int d);
    void deleteClicked();
    void showCountsClicked();
    void hideCountsClicked();

    void showProblem();
    void drawBox(int j);
    void drawTable();
    QString material(const QString& relativePath);

    widgets::TextLabel* number_ = nullptr;                                  // Label3
    widgets::TextLabel* title_ = nullptr;                                   // Label5
    widgets::ImageBox* equation_ = nullptr;                                 // Image1
    std::array<widgets::ImageBox*, CoefficientPractice::maxBoxes> boxes_{}; // Image2_1..6
    QVector<widgets::ImageBox*> pad_;                                       // Image4_1..8
    std::array<TableRow, 6> leftRows_{};                                    // Label9..Label14
    std::array<TableRow, 6> rightRows_{};                                   // Label15..Label20
    widgets::PictureButton* showCounts_ = nullptr;                          // Command4
    widgets::PictureButton* hideCounts_ = nullptr;                          // Command8
    std::unique_ptr<CoefficientPractice> practice_;
};

} // namespace coefficient
