// The rules of the coefficient exercise: selecting, entering, deleting,
// judging, the atom counts and the draw of problems.
#include "coefficient/CoefficientPractice.h"

#include "CoefficientTestSupport.h"
#include "support/ScriptedRandom.h"
#include "util/Clock.h"
#include "util/RandomSource.h"
#include "util/RecentMemory.h"

#include <gtest/gtest.h>
#include <set>

using coefficient::BoxFace;
using coefficient::CoefficientPractice;
using practice::Outcome;
using testSupport::ScriptedRandom;
using util::ManualClock;
using util::RecentMemory;

namespace {

using namespace coefficientTest;

const QString chooseBoxFirst = QStringLiteral("係数欄を選択した後、数字をクリックして下さい");
const QString chooseBoxBeforeDeleting = QStringLiteral("係数欄を選択した後、実行して下さい");

// A practice on problem 1 (2H2 + O2 → 2H2O, three boxes), or on the problem asked for.
class CoefficientPracticeTest : public ::testing::Test {
protected:
    explicit CoefficientPracticeTest(int problem = 1) {
        random.script({valueFor(problem)});
        practice.drawProblem();
    }

    // Plays a script of clicks: "s2" selects box 2, "d5" clicks digit 5,
    // "x" is 係数削除, "j" is 解答判定. Returns the outcome of each.
    std::vector<Outcome> play(const std::string& script) {
        std::vector<Outcome> outcomes;
        for (std::size_t i = 0; i < script.size(); ++i) {
            const char c = script[i];
            if (c == ' ')
                continue;
            const int n =
                i + 1 < script.size() && std::isdigit(script[i + 1]) ? script[++i] - '0' : 0;
            switch (c) {
            case 's':
                outcomes.push_back(practice.selectBox(n));
                break;
            case 'd':
                outcomes.push_back(practice.enterDigit(n));
                break;
            case 'x':
                outcomes.push_back(practice.deleteCoefficient());
                break;
            case 'j':
                outcomes.push_back(practice.judgeAnswer());
                break;
            default:
                ADD_FAILURE() << "unknown step " << c;
            }
        }
        return outcomes;
    }

    // The boxes as letters: E empty, e empty-selected, D digit,
    // S digit-selected, Y digit-entered, C correct, W wrong; a digit follows.
    std::string faces() {
        std::string out;
        for (int j = 1; j <= practice.boxCount(); ++j) {
            const auto& b = practice.box(j);
            const char* letter = "EeDSYCW";
            out += letter[static_cast<int>(b.face)];
            if (b.coefficient != 0)
                out += static_cast<char>('0' + b.coefficient);
            if (j < practice.boxCount())
                out += ' ';
        }
        return out;
    }

    RecentMemory recent{100, 50, 33};
    ManualClock clock;
    ScriptedRandom random;
    CoefficientPractice practice{textsOf(standardProblems()).load(), recent, clock, random};
};

struct Sequence {
    const char* name;
    const char* script;
    const char* faces; // after the script
    int points;        // over the whole script
    bool complete;
    const char* lastBanner; // of the last step
    bool lastMark;
};

// 2H2 + O2 → 2H2O: the correct boxes are 2, 1, 2.
const Sequence sequences[] = {
    {"AllCorrectLockAndScore", "s1d2 s2d1 s3d2 j", "C2 C1 C2", 30, true, "", true},
    {"AMultipleIsWrong", "s1d4 s2d2 s3d4 j", "W4 W2 W4", 0, false, "", true},
    {"EmptyBoxIsNeverCorrect", "s1d2 s3d2 j", "C2 E C2", 20, false, "", true},
    {"FillingTheEmptyBoxCompletes", "s1d2 s3d2 j s2d1 j", "C2 C1 C2", 30, true, "", true},
    {"NothingEnteredShowsNoMark", "s1 j", "E E E", 0, false, "", false},
    {"OnlyLockedAndEmptyShowsNoMark", "s1d2 j j", "C2 E E", 10, false, "", false},
    {"JudgingAgainAddsNothing", "s1d2 s2d3 j s2d1 j", "C2 C1 E", 20, false, "", true},
    {"ALockedBoxCannotBeSelected", "s1d2 j s1", "C2 E E", 10, false, "", false},
    {"DigitAfterJudgingNeedsASelection", "s1d2 j d5", "C2 E E", 10, false,
     "係数欄を選択した後、数字をクリックして下さい", false},
    {"DigitWithoutSelection", "d3", "E E E", 0, false,
     "係数欄を選択した後、数字をクリックして下さい", false},
    {"DeleteWithoutSelection", "x", "E E E", 0, false, "係数欄を選択した後、実行して下さい", false},
    {"DeleteAfterJudgingNeedsASelection", "s1d4 j x", "W4 E E", 0, false,
     "係数欄を選択した後、実行して下さい", false},
    {"DeletingAnEmptyBoxChangesNothing", "s2 x", "E e E", 0, false, "", false},
    {"DeletingEmptiesTheSelectedBox", "s1d3 x", "e E E", 0, false, "", false},
    {"TheLastDigitStays", "s1d3d5", "Y5 E E", 0, false, "", false},
    {"ReselectingTurnsEnteredIntoSelected", "s1d3 s1", "S3 E E", 0, false, "", false},
    {"AnotherSelectionLeavesThePlainDigit", "s1d3 s2", "D3 e E", 0, false, "", false},
    {"WrongStaysUntilSelected", "s1d4 s2d1 j", "W4 C1 E", 10, false, "", true},
    {"ASelectedWrongBoxShowsItsDigitSelected", "s1d4 j s1", "S4 E E", 0, false, "", false},
    {"AWrongBoxLeftTurnsPlain", "s1d4 j s1 s3", "D4 E e", 0, false, "", false},
    {"SolvedDeleteIsSilent", "s1d2 s2d1 s3d2 j x", "C2 C1 C2", 30, true, "", false},
    {"SolvedDigitStillAsksForASelection", "s1d2 s2d1 s3d2 j d4", "C2 C1 C2", 30, true,
     "係数欄を選択した後、数字をクリックして下さい", false},
    {"SolvedJudgeDoesNothing", "s1d2 s2d1 s3d2 j j", "C2 C1 C2", 30, true, "", false},
    {"BoxesBeyondTheProblemIgnoreClicks", "s4d2", "E E E", 0, false,
     "係数欄を選択した後、数字をクリックして下さい", false},
};

class JudgingSequences : public CoefficientPracticeTest,
                         public ::testing::WithParamInterface<Sequence> {};

TEST_P(JudgingSequences, EndInTheirFacesScoreAndMessages) {
    const Sequence& s = GetParam();
    const std::vector<Outcome> outcomes = play(s.script);
    int points = 0;
    for (const Outcome& o : outcomes)
        points += 10 * o.newlyCorrect;
    EXPECT_EQ(faces(), s.faces);
    EXPECT_EQ(points, s.points);
    EXPECT_EQ(practice.isSolved(), s.complete);
    ASSERT_FALSE(outcomes.empty());
    EXPECT_EQ(outcomes.back().complete, s.complete);
    EXPECT_EQ(outcomes.back().banner, QString::fromUtf8(s.lastBanner));
    EXPECT_EQ(outcomes.back().showMark, s.lastMark);
}

INSTANTIATE_TEST_SUITE_P(Clicks, JudgingSequences, ::testing::ValuesIn(sequences),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CoefficientPracticeTest, JudgingClearsTheSelection) {
    play("s1d4 s2");
    EXPECT_EQ(practice.selectedBox(), 2);
    play("j");
    EXPECT_EQ(practice.selectedBox(), 0);
    EXPECT_EQ(faces(), "W4 E E");
}

TEST_F(CoefficientPracticeTest, NextProblemOnlyOnceSolvedAndStartsClean) {
    random.script({valueFor(2)});
    play("s1d2 s2d1");
    EXPECT_FALSE(practice.nextProblem().newQuestion);
    EXPECT_EQ(practice.currentProblem(), 1);

    play("s3d2 j");
    practice.showAtomCounts();
    const Outcome next = practice.nextProblem();
    EXPECT_TRUE(next.newQuestion);
    EXPECT_FALSE(next.complete);
    EXPECT_EQ(practice.currentProblem(), 2);
    EXPECT_EQ(practice.questionNumber(), 2);
    EXPECT_EQ(practice.boxCount(), 4);
    EXPECT_EQ(faces(), "E E E E");
    EXPECT_EQ(practice.selectedBox(), 0);
    EXPECT_FALSE(practice.isSolved());
    EXPECT_FALSE(practice.countsShown());
    EXPECT_EQ(practice.tableRows(), QStringList({"C", "H", "O"}));
}

class MethanePracticeTest : public CoefficientPracticeTest {
protected:
    MethanePracticeTest() : CoefficientPracticeTest(2) {}
};

TEST_F(MethanePracticeTest, TotalsFollowEveryDigitAndDeletionButNotTheJudgement) {
    using coefficient::AtomRow;
    play("s1d1 s2d2 s3d1 s4d2");
    practice.showAtomCounts();
    EXPECT_TRUE(practice.countsShown());
    EXPECT_EQ(practice.totals(), (std::vector<AtomRow>{{"C", 1, 1}, {"H", 4, 4}, {"O", 4, 4}}));
    play("s2x");
    EXPECT_EQ(practice.totals(), (std::vector<AtomRow>{{"C", 1, 1}, {"H", 4, 4}, {"O", 0, 4}}));
    play("j");
    EXPECT_EQ(practice.totals(), (std::vector<AtomRow>{{"C", 1, 1}, {"H", 4, 4}, {"O", 0, 4}}));
    practice.hideAtomCounts();
    EXPECT_FALSE(practice.countsShown());
    EXPECT_EQ(faces(), "C1 E C1 C2");
}

// Any 34 consecutive problems differ, counted over several visits that share
// the program's memory, with the program's own random source.
TEST(CoefficientDrawTest, AnyThirtyFourConsecutiveProblemsDiffer) {
    RecentMemory recent{100, 50, 33};
    ManualClock clock;
    util::MixingRandom random{2024};
    const auto texts = textsOf(standardProblems());
    std::vector<int> drawn;
    for (int visit = 0; visit < 8; ++visit) {
        CoefficientPractice practice(texts.load(), recent, clock, random);
        practice.drawProblem();
        EXPECT_EQ(practice.questionNumber(), 1) << "visit " << visit;
        drawn.push_back(practice.currentProblem());
        for (int i = 0; i < 25; ++i) {
            for (int j = 1; j <= practice.boxCount(); ++j) {
                practice.selectBox(j);
                practice.enterDigit(practice.problem().correct[static_cast<std::size_t>(j - 1)]);
            }
            practice.judgeAnswer();
            ASSERT_TRUE(practice.nextProblem().newQuestion);
            drawn.push_back(practice.currentProblem());
            clock.advance(0.7);
        }
        EXPECT_EQ(practice.questionNumber(), 26);
    }
    for (std::size_t start = 0; start + 34 <= drawn.size(); ++start) {
        const std::set<int> window(drawn.begin() + static_cast<long>(start),
                                   drawn.begin() + static_cast<long>(start) + 34);
        ASSERT_EQ(window.size(), 34u) << "from draw " << start;
    }
}

// A draw that hits a recent problem is repeated at once with a fresh seed.
TEST(CoefficientDrawTest, ARecentProblemIsDrawnAgain) {
    RecentMemory recent{100, 50, 33};
    recent.accept(5);
    ManualClock clock;
    ScriptedRandom random;
    random.script({valueFor(5), valueFor(5), valueFor(9)});
    CoefficientPractice practice(textsOf(standardProblems()).load(), recent, clock, random);
    practice.drawProblem();
    EXPECT_EQ(practice.currentProblem(), 9);
    EXPECT_EQ(random.seeds.size(), 3u);
    EXPECT_TRUE(recent.inUse(9));
}

} // namespace
