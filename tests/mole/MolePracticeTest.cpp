// The rules of the mole exercise: the question shown, choosing, filling,
// emptying and judging the boxes, the next question and the draw's windows.
#include "MoleTestSupport.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

using calculator::AnswerFrame;
using mole::MolePractice;
using practice::Outcome;
using testSupport::ScriptedRandom;
using util::ManualClock;

namespace {

using namespace moleTest;

const QString chooseBoxFirst = QStringLiteral("解答欄を選択した後、実行して下さい");
const QString tooManyDigits = QStringLiteral("解答の桁数が大きすぎます");

class MolePracticeTest : public ::testing::Test {
protected:
    // Poses question q with the amount n × 0.1 mol.
    void pose(int q, int n) {
        random.script({questionValue(q), amountValue(n)});
        practice = std::make_unique<MolePractice>(smallData(), memories.questions,
                                                  memories.substances, clock, random);
        practice->startQuestion();
    }
    // Selects box b and transfers the entry into it.
    calculator::TransferOutcome enter(int b, const char* entry) {
        practice->selectBox(b);
        return practice->transferAnswer(QString::fromLatin1(entry));
    }
    // Each box's frame as a letter: w y b g r.
    std::string frames() const {
        std::string out;
        for (int b = 1; b <= mole::boxCount; ++b)
            out += "wybgr"[static_cast<int>(practice->box(b).frame)];
        return out;
    }
    std::string texts() const {
        std::string out;
        for (int b = 1; b <= mole::boxCount; ++b)
            out += (b > 1 ? "|" : "") + practice->box(b).text.toStdString();
        return out;
    }

    Memories memories;
    ManualClock clock;
    ScriptedRandom random;
    std::unique_ptr<MolePractice> practice;
};

TEST_F(MolePracticeTest, KindTwoShowsTheNumberOfMoleculesGiven) {
    pose(question(1, 2), 17);
    EXPECT_EQ(practice->currentSubstance(), 1);
    EXPECT_EQ(practice->questionNumber(), 1);
    EXPECT_EQ(frames(), "wyyww");
    EXPECT_EQ(texts(), "|1.0|24||");
    // The draw and the amount each re-seed from the clock first.
    EXPECT_EQ(random.seeds.size(), 2u);
}

TEST_F(MolePracticeTest, ChoosingBoxes) {
    pose(question(1, 1), 5);
    EXPECT_EQ(frames(), "ywwww");
    practice->selectBox(1); // given: cannot be chosen
    EXPECT_EQ(practice->selectedBox(), 0);
    enter(2, "3");
    EXPECT_EQ(frames(), "ybwww");
    // The box chosen before turns white again and keeps its text.
    practice->selectBox(4);
    EXPECT_EQ(frames(), "ywwbw");
    EXPECT_EQ(texts(), "0.5|3.0|||");
    EXPECT_EQ(practice->selectedBox(), 4);
}

TEST_F(MolePracticeTest, TransferAndDeleteNeedAChosenBox) {
    pose(question(1, 1), 5);
    const calculator::TransferOutcome t = practice->transferAnswer(QStringLiteral("3"));
    EXPECT_EQ(t.outcome.banner, chooseBoxFirst);
    EXPECT_FALSE(t.resetCalculator);
    EXPECT_EQ(practice->deleteEntry().banner, chooseBoxFirst);
    EXPECT_EQ(texts(), "0.5||||");
}

TEST_F(MolePracticeTest, TransferFillsTheChosenBoxAndResetsTheCalculator) {
    pose(question(1, 1), 5);
    const calculator::TransferOutcome t = enter(4, "11.249");
    EXPECT_TRUE(t.outcome.banner.isEmpty());
    EXPECT_TRUE(t.resetCalculator);
    EXPECT_EQ(texts(), "0.5|||11.2|");
    EXPECT_EQ(frames(), "ywwbw"); // stays chosen
}

TEST_F(MolePracticeTest, TooLongTransferLeavesTheBoxAsItWas) {
    pose(question(1, 1), 5);
    enter(4, "22");
    const calculator::TransferOutcome t = practice->transferAnswer(QStringLiteral("112"));
    EXPECT_EQ(t.outcome.banner, tooManyDigits);
    EXPECT_TRUE(t.resetCalculator);
    EXPECT_EQ(texts(), "0.5|||22.0|");
    // The power box admits two characters.
    EXPECT_EQ(enter(3, "23.0").outcome.banner, tooManyDigits);
    EXPECT_TRUE(enter(3, "23").outcome.banner.isEmpty());
    EXPECT_EQ(texts(), "0.5||23|22.0|");
}

TEST_F(MolePracticeTest, LongerAnswerOfTheSecondRouteCanBeEntered) {
    pose(question(2, 1), 18); // 55 g/mol, 1.8 mol; the mass is 99.0 or 100.8
    EXPECT_TRUE(enter(5, "100.8333").outcome.banner.isEmpty());
    EXPECT_EQ(practice->box(5).text, "100.8");
    const Outcome judged = practice->judgeAnswers();
    EXPECT_EQ(judged.newlyCorrect, 1);
    EXPECT_EQ(frames(), "ywwwg");
}

TEST_F(MolePracticeTest, DeleteEmptiesTheChosenBox) {
    pose(question(1, 1), 5);
    enter(2, "3");
    practice->deleteEntry();
    EXPECT_EQ(texts(), "0.5||||");
    EXPECT_EQ(frames(), "ybwww");
}

TEST_F(MolePracticeTest, JudgingUntilEveryBoxIsRight) {
    pose(question(1, 1), 5); // 0.5 mol given: 3.0 × 10^23, 11.2 L, 22.0 g
    enter(2, "3");
    enter(4, "22"); // wrong
    Outcome judged = practice->judgeAnswers();
    EXPECT_TRUE(judged.showMark);
    EXPECT_EQ(judged.newlyCorrect, 1);
    EXPECT_FALSE(judged.complete);
    EXPECT_EQ(frames(), "ygwrw");
    EXPECT_EQ(practice->selectedBox(), 0);
    EXPECT_EQ(texts(), "0.5|3.0||22.0|"); // the wrong answer stays to be replaced

    // A green box is locked.
    practice->selectBox(2);
    EXPECT_EQ(practice->selectedBox(), 0);

    enter(4, "11.2");
    enter(3, "23");
    enter(5, "22");
    judged = practice->judgeAnswers();
    EXPECT_EQ(judged.newlyCorrect, 3);
    EXPECT_TRUE(judged.complete);
    EXPECT_EQ(frames(), "ygggg");

    // Finished: transfer, delete and judge do nothing until 次.
    practice->selectBox(3);
    EXPECT_EQ(practice->transferAnswer(QStringLiteral("24")).resetCalculator, false);
    EXPECT_EQ(practice->deleteEntry().banner, QString());
    EXPECT_EQ(practice->judgeAnswers().newlyCorrect, 0);
    EXPECT_EQ(texts(), "0.5|3.0|23|11.2|22.0");

    random.script({questionValue(question(3, 3)), amountValue(10)});
    const Outcome next = practice->nextQuestion();
    EXPECT_TRUE(next.newQuestion);
    EXPECT_FALSE(next.complete);
    EXPECT_EQ(practice->questionNumber(), 2);
    EXPECT_EQ(frames(), "wwwyw");
    EXPECT_EQ(texts(), "|||22.4|");
}

TEST_F(MolePracticeTest, JudgingEmptyBoxesShowsNoMark) {
    pose(question(1, 1), 5);
    practice->selectBox(2);
    const Outcome judged = practice->judgeAnswers();
    EXPECT_FALSE(judged.showMark);
    EXPECT_FALSE(judged.complete);
    EXPECT_EQ(frames(), "ywwww");
}

TEST_F(MolePracticeTest, EitherRouteIsAccepted) {
    struct {
        int box;
        const char* entry;
        bool right;
    } cases[] = {
        {4, "38.08", true}, // 1.7 mol × 22.4
        {4, "37.33", true}, // 1.0 × 10^24 ÷ 6.0 × 10^23 × 22.4
        {4, "37.5", false}, {5, "74.8", true},
        {5, "73.3", true},  {1, "1.66", true}, // rounds to 1.7
        {1, "1.64", false},
    };
    for (const auto& c : cases) {
        pose(question(1, 2), 17);
        enter(c.box, c.entry);
        practice->judgeAnswers();
        EXPECT_EQ(practice->box(c.box).correct, c.right) << c.entry;
        memories = Memories();
    }
}

TEST_F(MolePracticeTest, NextDoesNothingBeforeTheQuestionIsDone) {
    pose(question(1, 1), 5);
    EXPECT_FALSE(practice->nextQuestion().newQuestion);
    EXPECT_EQ(practice->questionNumber(), 1);
}

// A question comes back only after 41 others, a substance after 11 others;
// both memories outlive the screen, so a new visit keeps them blocked.
class DrawWindowTest : public ::testing::Test {
protected:
    // One question drawn by a practice of the current visit, trying
    // `wanted` first and `fallback` when it is blocked.
    int draw(int wanted, int fallback) {
        random.script({questionValue(wanted), questionValue(fallback), amountValue(5)});
        practice->startQuestion();
        return practice->questionIndex();
    }
    void newVisit() {
        practice = std::make_unique<MolePractice>(smallData(), memories.questions,
                                                  memories.substances, clock, random);
    }

    Memories memories;
    ManualClock clock;
    ScriptedRandom random;
    std::unique_ptr<MolePractice> practice;
};

// Another question each time: substances 2..20 in turn, so no substance is
// blocked for long, each with a kind not used before.
int other(int i) {
    return question(2 + i % 19, 1 + (i / 19) % 4);
}

TEST_F(DrawWindowTest, QuestionComesBackAfterFortyOneOthers) {
    newVisit();
    ASSERT_EQ(draw(question(1, 1), 0), question(1, 1));
    for (int i = 0; i < 41; ++i) {
        if (i == 20) {
            newVisit();
            EXPECT_EQ(draw(question(1, 1), other(i)), other(i));
            EXPECT_EQ(practice->questionNumber(), 1);
            continue;
        }
        EXPECT_EQ(draw(question(1, 1), other(i)), other(i)) << "after " << i << " others";
    }
    EXPECT_EQ(draw(question(1, 1), other(41)), question(1, 1));
}

TEST_F(DrawWindowTest, SubstanceComesBackAfterElevenOthers) {
    newVisit();
    ASSERT_EQ(draw(question(1, 1), 0), question(1, 1));
    for (int i = 0; i < 11; ++i) {
        if (i == 5)
            newVisit();
        // Substance 1 in another kind is still blocked.
        EXPECT_EQ(draw(question(1, 2), other(i)), other(i)) << "after " << i << " others";
    }
    EXPECT_EQ(draw(question(1, 2), other(11)), question(1, 2));
}

} // namespace
