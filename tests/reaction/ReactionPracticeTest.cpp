// The rules of the reaction exercise: the question list, the values of a
// question, choosing, transferring, deleting and judging cells.
#include "reaction/ReactionPractice.h"

#include "ReactionTestSupport.h"
#include "util/Clock.h"
#include "util/NumberFormat.h"
#include "util/RecentMemory.h"

#include <gtest/gtest.h>
#include <memory>

using calculator::AnswerFrame;
using calculator::Calculator;
using practice::Outcome;
using reaction::ReactionCell;
using reaction::ReactionPractice;

namespace {

using namespace reactionTest;

const QString chooseFirst = QStringLiteral("解答欄を選択した後、実行して下さい");
const QString tooLong = QStringLiteral("解答の桁数が大きすぎます");

// Cells by column and row.
constexpr int cell(int column, int row) {
    return (column - 1) * 3 + row;
}

class ReactionPracticeTest : public ::testing::Test {
protected:
    // Poses question q of the fixture data with column `given` holding the
    // given value and amount r.
    void pose(int q, int given, int r) {
        const int n =
            fixtureData().reaction(ReactionPractice::questionEntry(q).reaction).substanceCount;
        random.script({questionValue(q), columnValue(given, n), amountValue(r)});
        // Each case starts a fresh run, so no earlier case blocks the question.
        questions = util::RecentMemory(100, 50, 20);
        reactions = util::RecentMemory(30, 15, 11);
        practice =
            std::make_unique<ReactionPractice>(fixtureData(), questions, reactions, clock, random);
        practice->drawQuestion();
    }
    const ReactionCell& at(int c) const { return practice->cell(c); }
    // Chooses the cell and transfers what is typed on the calculator.
    Outcome enter(int c, const QString& typed) {
        practice->selectCell(c);
        calc.resetCalculator();
        typeOn(calc, typed);
        return transfer();
    }
    // 解答転送 as the screen does it: the rules answer, the calculator follows.
    Outcome transfer() {
        const calculator::TransferOutcome t = practice->transferAnswer(calc.entryText());
        if (t.resetCalculator)
            calc.resetCalculator();
        return t.outcome;
    }

    util::RecentMemory questions{100, 50, 20};
    util::RecentMemory reactions{30, 15, 11};
    util::ManualClock clock;
    ScriptedRandom random;
    Calculator calc;
    std::unique_ptr<ReactionPractice> practice;
};

TEST(ReactionQuestionListTest, ThreeKindsPerReactionInOrder) {
    const struct {
        int q, reaction, kind;
    } cases[] = {{1, 1, 1}, {2, 1, 2}, {3, 1, 3}, {4, 2, 1}, {20, 7, 2}, {38, 13, 2}, {39, 13, 3}};
    for (const auto& c : cases) {
        EXPECT_EQ(ReactionPractice::questionEntry(c.q).reaction, c.reaction) << c.q;
        EXPECT_EQ(ReactionPractice::questionEntry(c.q).kind, c.kind) << c.q;
    }
}

TEST_F(ReactionPracticeTest, TheGivenCellShowsItsValueInTheDrawnColumnAndRow) {
    pose(5, 1, 2); // reaction 2 (2 H2O, CO2), kind 2: the volume of column 1
    EXPECT_EQ(practice->currentReaction(), 2);
    EXPECT_EQ(practice->shownSubstanceCount(), 2);
    EXPECT_EQ(practice->questionNumber(), 1);
    for (int c = 1; c <= 12; ++c) {
        EXPECT_EQ(practice->cellUsed(c), c <= 6) << c;
        EXPECT_EQ(at(c).given, c == cell(1, 2)) << c;
    }
    EXPECT_EQ(at(cell(1, 2)).frame, AnswerFrame::Given);
    EXPECT_EQ(at(cell(1, 2)).entry, QStringLiteral("17.9"));
    EXPECT_EQ(at(cell(2, 1)).frame, AnswerFrame::Open);
    EXPECT_TRUE(at(cell(2, 1)).entry.isEmpty());
    // The amounts are drawn after a second re-seed from the clock.
    EXPECT_EQ(random.seeds.size(), 2u);
}

TEST_F(ReactionPracticeTest, EveryCellHoldsBothAnswersForEachAmount) {
    // Reaction 2: column 1 is 2 H2O (18), column 2 is CO2 (44).
    const struct {
        int r;
        const char* rounded[6]; // moles, volume, mass of column 1, then column 2
        const char* exact[6];
    } cases[] = {
        {1, {"0.4", "9.0", "7.2", "0.2", "4.5", "8.8"}, {"0.4", "9.0", "7.2", "0.2", "4.5", "8.8"}},
        {2,
         {"0.8", "17.9", "14.4", "0.4", "9.0", "17.6"},
         {"0.8", "17.9", "14.4", "0.4", "9.0", "17.6"}},
        {5,
         {"2.0", "44.8", "36.0", "1.0", "22.4", "44.0"},
         {"2.0", "44.8", "36.0", "1.0", "22.4", "44.0"}},
        {8,
         {"3.2", "71.7", "57.6", "1.6", "35.8", "70.4"},
         {"3.2", "71.7", "57.6", "1.6", "35.8", "70.4"}},
        {9,
         {"3.6", "80.6", "64.8", "1.8", "40.3", "79.2"},
         {"3.7", "82.1", "66.0", "1.8", "41.1", "80.7"}},
    };
    for (const auto& c : cases) {
        pose(4, 1, c.r);
        for (int k = 0; k < 6; ++k) {
            const int i = k + 1; // cells 1..6 are column 1 rows 1..3, then column 2
            if (at(i).given)
                continue;
            EXPECT_EQ(at(i).answerRounded, QString::fromLatin1(c.rounded[k]))
                << c.r << " cell " << i;
            EXPECT_EQ(at(i).answerExact, QString::fromLatin1(c.exact[k])) << c.r << " cell " << i;
        }
    }
}

TEST_F(ReactionPracticeTest, TheLengthLimitAdmitsTheLongerOfTheTwoAnswers) {
    const struct {
        const char* name;
        int q, r, c;
        const char* rounded;
        const char* exact;
        int length;
    } cases[] = {
        {"same length", 1, 9, cell(1, 3), "79.2", "80.7", 4},
        {"exact is a digit longer", 7, 9, cell(1, 3), "99.0", "100.8", 5},
        {"below one", 1, 1, cell(1, 2), "4.5", "4.5", 3},
    };
    for (const auto& c : cases) {
        pose(c.q, 1, c.r);
        EXPECT_EQ(at(c.c).answerRounded, QString::fromLatin1(c.rounded)) << c.name;
        EXPECT_EQ(at(c.c).answerExact, QString::fromLatin1(c.exact)) << c.name;
        EXPECT_EQ(at(c.c).answerLength, c.length) << c.name;
    }
    // Molar mass 55 at 11/6 mol: 100.8 goes in and is right.
    pose(7, 1, 9);
    EXPECT_TRUE(enter(cell(1, 3), QStringLiteral("100.8")).banner.isEmpty());
    EXPECT_EQ(at(cell(1, 3)).entry, QStringLiteral("100.8"));
    practice->judgeTable();
    EXPECT_TRUE(at(cell(1, 3)).correct);
}

TEST_F(ReactionPracticeTest, TransferCutsToOneDecimalAndRefusesTooManyDigits) {
    // The volume of 2 H2O at 0.4 mol per coefficient reads 17.9 (4 characters).
    const struct {
        const char* typed;
        const char* entry; // nullptr: refused as too long
        bool right;
    } cases[] = {
        {"17.92", "17.9", true},  {"17.94", "17.9", true},   {"17.85", "17.9", true},
        {"17.96", "18.0", false}, {"179.2", nullptr, false}, {"0.5", "0.5", false},
        {"0", "0.0", false},      {"-0.54", "-0.5", false},  {"-2", "-2.0", false},
        {"-2.5", "-2.5", false},  {"12", "12.0", false},
    };
    for (const auto& c : cases) {
        pose(4, 2, 2); // column 2's moles given; column 1's volume is open
        enter(cell(1, 2), QStringLiteral("1.5")); // an earlier entry
        const Outcome result = enter(cell(1, 2), QString::fromLatin1(c.typed));
        EXPECT_EQ(calc.entryText(), QStringLiteral("0")) << c.typed << ": calculator reset";
        if (!c.entry) {
            EXPECT_EQ(result.banner, tooLong) << c.typed;
            EXPECT_EQ(at(cell(1, 2)).entry, QStringLiteral("1.5")) << c.typed;
            continue;
        }
        EXPECT_TRUE(result.banner.isEmpty()) << c.typed;
        EXPECT_EQ(at(cell(1, 2)).entry, QString::fromLatin1(c.entry)) << c.typed;
        EXPECT_EQ(at(cell(1, 2)).frame, AnswerFrame::Chosen) << c.typed;
        practice->judgeTable();
        EXPECT_EQ(at(cell(1, 2)).correct, c.right) << c.typed;
    }
}

TEST_F(ReactionPracticeTest, AnEmptyEntryIsTakenAsZeroAndIsWrong) {
    pose(4, 2, 2);
    practice->selectCell(cell(1, 1));
    typeOn(calc, QStringLiteral("8"));
    calc.pressKey(Calculator::ClearEntry); // the entry is empty now
    EXPECT_TRUE(transfer().banner.isEmpty());
    const QString entry = at(cell(1, 1)).entry;
    EXPECT_TRUE(entry.endsWith(QStringLiteral(".0"))) << entry.toStdString();
    EXPECT_EQ(util::numberValue(entry), 0);
    practice->judgeTable();
    EXPECT_EQ(at(cell(1, 1)).frame, AnswerFrame::Wrong);
}

TEST_F(ReactionPracticeTest, BothAnswersOfACellAreRight) {
    for (const char* typed : {"3.6", "3.7"}) {
        pose(4, 2, 9); // 2 H2O at 1.8 and 11/6 mol: 3.6 or 3.7 mol
        enter(cell(1, 1), QString::fromLatin1(typed));
        const Outcome result = practice->judgeTable();
        EXPECT_EQ(result.newlyCorrect, 1) << typed;
        EXPECT_TRUE(at(cell(1, 1)).correct) << typed;
    }
}

TEST_F(ReactionPracticeTest, TransferAndDeleteNeedAChosenCell) {
    pose(4, 2, 2);
    typeOn(calc, QStringLiteral("4"));
    EXPECT_EQ(transfer().banner, chooseFirst);
    EXPECT_EQ(calc.entryText(), QStringLiteral("4")) << "the calculator is left as it is";
    EXPECT_EQ(practice->deleteValue().banner, chooseFirst);

    // Judging clears the choice, so a transfer straight after it is refused too.
    enter(cell(1, 1), QStringLiteral("0.8"));
    practice->judgeTable();
    typeOn(calc, QStringLiteral("9"));
    EXPECT_EQ(transfer().banner, chooseFirst);
    EXPECT_EQ(practice->selectedCell(), 0);
}

TEST_F(ReactionPracticeTest, DeleteEmptiesTheChosenCellAndKeepsItChosen) {
    pose(4, 2, 2);
    enter(cell(1, 3), QStringLiteral("14.4"));
    EXPECT_TRUE(practice->deleteValue().banner.isEmpty());
    EXPECT_TRUE(at(cell(1, 3)).entry.isEmpty());
    EXPECT_EQ(at(cell(1, 3)).frame, AnswerFrame::Chosen);
}

TEST_F(ReactionPracticeTest, JudgingWithNoEntryOnlyClearsTheChoice) {
    pose(4, 2, 2);
    practice->selectCell(cell(1, 1));
    const Outcome result = practice->judgeTable();
    EXPECT_FALSE(result.showMark);
    EXPECT_EQ(result.newlyCorrect, 0);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(practice->selectedCell(), 0);
    for (int c = 1; c <= 6; ++c)
        EXPECT_EQ(at(c).frame, at(c).given ? AnswerFrame::Given : AnswerFrame::Open) << c;
}

TEST_F(ReactionPracticeTest, AWrongCellTurnsRedThenOpenAndRedAgain) {
    pose(4, 2, 2);
    enter(cell(1, 1), QStringLiteral("0.8"));  // right
    enter(cell(1, 3), QStringLiteral("14.4")); // right
    enter(cell(1, 2), QStringLiteral("17"));   // wrong: 17.0
    Outcome result = practice->judgeTable();
    EXPECT_TRUE(result.showMark);
    EXPECT_EQ(result.newlyCorrect, 2);
    EXPECT_FALSE(result.complete);
    EXPECT_EQ(at(cell(1, 1)).frame, AnswerFrame::Correct);
    EXPECT_EQ(at(cell(1, 2)).frame, AnswerFrame::Wrong);
    EXPECT_EQ(at(cell(2, 2)).frame, AnswerFrame::Open) << "empty";

    practice->selectCell(cell(1, 2));
    EXPECT_EQ(at(cell(1, 2)).frame, AnswerFrame::Chosen);
    practice->selectCell(cell(2, 2));
    EXPECT_EQ(at(cell(1, 2)).frame, AnswerFrame::Open);
    EXPECT_EQ(at(cell(1, 2)).entry, QStringLiteral("17.0")) << "the wrong value stays";

    result = practice->judgeTable();
    EXPECT_EQ(at(cell(1, 2)).frame, AnswerFrame::Wrong);
    EXPECT_EQ(result.newlyCorrect, 0) << "correct cells are not judged again";
    EXPECT_EQ(at(cell(1, 1)).frame, AnswerFrame::Correct);
}

TEST_F(ReactionPracticeTest, GivenAndCorrectCellsCannotBeChosen) {
    pose(4, 2, 2);
    enter(cell(1, 1), QStringLiteral("0.8"));
    practice->judgeTable();
    practice->selectCell(cell(1, 2));
    for (int c : {cell(2, 1), cell(1, 1), cell(3, 1), 0, 13}) {
        practice->selectCell(c);
        EXPECT_EQ(practice->selectedCell(), cell(1, 2)) << c;
        EXPECT_EQ(at(cell(1, 2)).frame, AnswerFrame::Chosen) << c;
    }
    EXPECT_EQ(at(cell(2, 1)).frame, AnswerFrame::Given);
    EXPECT_EQ(at(cell(1, 1)).frame, AnswerFrame::Correct);
}

TEST_F(ReactionPracticeTest, ACompleteTableLocksUntilNext) {
    pose(4, 2, 2);
    const struct {
        int c;
        const char* value;
    } answers[] = {{cell(1, 1), "0.8"},
                   {cell(1, 2), "17.9"},
                   {cell(1, 3), "14.4"},
                   {cell(2, 2), "9.0"},
                   {cell(2, 3), "17.6"}};
    for (const auto& a : answers)
        enter(a.c, QString::fromLatin1(a.value));
    const Outcome done = practice->judgeTable();
    EXPECT_EQ(done.newlyCorrect, 5);
    EXPECT_TRUE(done.complete);
    EXPECT_TRUE(practice->isComplete());

    typeOn(calc, QStringLiteral("5"));
    EXPECT_TRUE(transfer().banner.isEmpty());
    EXPECT_EQ(calc.entryText(), QStringLiteral("5")) << "nothing happens";
    EXPECT_TRUE(practice->deleteValue().banner.isEmpty());
    const Outcome again = practice->judgeTable();
    EXPECT_FALSE(again.showMark);
    EXPECT_EQ(again.newlyCorrect, 0);
    EXPECT_TRUE(again.complete);

    random.script({questionValue(10), 0, amountValue(1)});
    const Outcome next = practice->next();
    EXPECT_TRUE(next.newQuestion);
    EXPECT_FALSE(next.complete);
    EXPECT_EQ(practice->questionNumber(), 2);
    EXPECT_EQ(practice->currentReaction(), 4);
    EXPECT_EQ(practice->selectedCell(), 0);
    for (int c = 1; c <= 12; ++c)
        EXPECT_FALSE(at(c).correct) << c;
}

TEST_F(ReactionPracticeTest, NextDoesNothingBeforeTheTableIsComplete) {
    pose(4, 2, 2);
    EXPECT_FALSE(practice->next().newQuestion);
    EXPECT_EQ(practice->questionNumber(), 1);
}

} // namespace
