#pragma once

#include "FormulaData.h"
#include "practice/Outcome.h"

#include <QString>

#include <array>
#include <vector>

namespace util {
class Clock;
}
namespace util {
class RandomSource;
}
namespace util {
class RecentMemory;
}

namespace formula {

// The fill of a row's rectangle behind its formula.
enum class RowMark { Black, Selected, Correct, Wrong };

// One answer row: the compound asked, its correct formula and the learner's.
struct FormulaRow {
    QString name;         // the compound's name, shown in the row
    QString correctCode;  // the correct formula as glyph codes
    QString answerCode;   // the learner's formula as glyph codes
    int nextCell = 1;     // first free glyph cell, 1..12
    bool correct = false; // judged correct: locked, and scored once
    RowMark mark = RowMark::Black;
    bool filled = false; // the rectangle is filled with `mark`, else transparent
};

// A glyph of a row's formula and the first cell its picture covers.
struct PlacedGlyph {
    int cell;
    int glyph;
};

// The rules of the formula exercise 化学式: sets of ten compounds drawn from
// the askable ion pairs, the answer rows filled glyph by glyph, the judgement
// and the next set. It holds no widget: the screen calls one method per
// learner action, applies the outcome and draws the rows from the state.
class FormulaPractice {
public:
    static constexpr int rowCount = 10;
    static constexpr int cellCount = 11;

    // recent: the program-wide memory of asked pairs, which outlives this object.
    FormulaPractice(FormulaData data, util::RecentMemory& recent, const util::Clock& clock,
                    util::RandomSource& random);

    // Empties the rows and draws ten new compounds; the load step and 次.
    practice::Outcome startSet();
    // 次: the next set, once every row is correct.
    practice::Outcome nextSet();
    // A click on row r's area, 1..10: it becomes the row that glyphs go to.
    practice::Outcome selectRow(int r);
    // A click on palette entry n, 1..26: glyph n is appended to the selected row.
    practice::Outcome enterGlyph(int n);
    // 一字削除: the selected row's last glyph goes.
    practice::Outcome deleteGlyph();
    // 全式削除: the selected row's whole formula goes.
    practice::Outcome clearFormula();
    // 解答判定: every row with an answer that is not yet correct is judged.
    practice::Outcome judgeRows();

    // The name handed to the ion table: the selected row's compound, or empty.
    QString ionTableSubstance() const;

    const FormulaRow& row(int r) const { return rows_.at(static_cast<std::size_t>(checkedRow(r))); }
    // Row r's glyphs in the cells their pictures start in.
    std::vector<PlacedGlyph> placedGlyphs(int r) const;
    int selectedRow() const { return selectedRow_; }
    int shadedRow() const { return shadedRow_; }
    bool isComplete() const { return complete_; }
    // The pair asked in row r (for the tests of the material).
    IonPair pairOfRow(int r) const { return pairs_.at(static_cast<std::size_t>(checkedRow(r))); }
    const FormulaData& data() const { return data_; }

private:
    static int checkedRow(int r);
    // An outcome with the completion flag as it stands.
    practice::Outcome outcome(const QString& banner = {}) const;
    FormulaRow& selected() { return rows_[static_cast<std::size_t>(selectedRow_)]; }

    FormulaData data_;
    util::RecentMemory& recent_;
    const util::Clock& clock_;
    util::RandomSource& random_;

    std::array<FormulaRow, rowCount + 1> rows_; // rows 1..10; row 0 stays empty
    std::array<IonPair, rowCount + 1> pairs_{};
    int selectedRow_ = 0; // row that glyphs and deletions go to, 0 for none
    int shadedRow_ = 0;   // row last shaded as selected, 0 for none
    bool complete_ = false;
};

} // namespace formula
