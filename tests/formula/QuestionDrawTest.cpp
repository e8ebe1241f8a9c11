// Drawing the ten questions of a set with the program-wide memory of asked
// pairs, across sets and across visits to the screen.
#include "FormulaTestSupport.h"
#include "formula/FormulaPractice.h"
#include "util/Clock.h"
#include "util/MaterialPath.h"

#include <QDir>
#include <QFile>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <gtest/gtest.h>
#include <set>
#include <vector>

using formula::FormulaData;
using formula::FormulaPractice;
using formula::IonPair;
using util::Clock;
using util::ManualClock;
using util::materialPath;
using util::MixingRandom;
using util::RandomSource;
using util::RecentMemory;

namespace {

using namespace formulaTest;

int pairNumberOf(const FormulaPractice& practice, int row) {
    const IonPair p = practice.pairOfRow(row);
    return pairNumber(practice.data(), p.cation, p.anion);
}

// Runs `sets` sets on a new screen visit and appends the pair numbers asked.
void visit(const FormulaData& data, RecentMemory& recent, const Clock& clock, RandomSource& random,
           int sets, std::vector<int>& asked) {
    FormulaPractice practice(data, recent, clock, random);
    for (int s = 0; s < sets; ++s) {
        practice.startSet();
        for (int r = 1; r <= 10; ++r)
            asked.push_back(pairNumberOf(practice, r));
    }
}

// Every 102 consecutive questions are different pairs.
void expectWindowRespected(const std::vector<int>& asked) {
    for (std::size_t i = 0; i < asked.size(); ++i)
        for (std::size_t j = i + 1; j < asked.size() && j <= i + 101; ++j)
            ASSERT_NE(asked[i], asked[j]) << "questions " << i << " and " << j;
}

// A source that keeps offering pairs asked moments ago: three draws out of
// four it returns the value of a pair still in the memory.
class RecentSeekingRandom : public RandomSource {
public:
    RecentSeekingRandom(const RecentMemory& recent, int pairCount)
        : recent_(recent), pairCount_(pairCount) {}
    void reseed(double timeOfDay) override {
        ++reseeds;
        fresh_.reseed(timeOfDay);
    }
    double next() override {
        ++draws;
        const int slot = recentWindow - draws % recentWindow;
        if (draws % 4 != 0 && recent_.slot(slot) != 0) {
            ++offeredRecent;
            return valueFor(recent_.slot(slot), pairCount_);
        }
        return fresh_.next();
    }

    int reseeds = 0;
    int draws = 0;
    int offeredRecent = 0;

private:
    static constexpr int recentWindow = 101;
    const RecentMemory& recent_;
    int pairCount_;
    MixingRandom fresh_{7};
};

TEST(QuestionDrawTest, AnyHundredAndTwoQuestionsDifferAcrossSetsAndVisits) {
    RecentMemory recent(300, 150, 101);
    ManualClock clock(36000); // a still clock: re-seeding must still give fresh values
    RecentSeekingRandom random(recent, material().pairCount());
    std::vector<int> asked;
    visit(material(), recent, clock, random, 4, asked);
    visit(material(), recent, clock, random, 3, asked);
    visit(material(), recent, clock, random, 9, asked);
    ASSERT_EQ(asked.size(), 160u);
    expectWindowRespected(asked);
    EXPECT_GT(random.offeredRecent, 100);    // the memory had to turn many draws away
    EXPECT_EQ(random.reseeds, random.draws); // one re-seed before every draw
}

TEST(QuestionDrawTest, ReseedsFromTheTimeOfDay) {
    RecentMemory recent(300, 150, 101);
    ManualClock clock(45296.25);
    ScriptedRandom random;
    FormulaPractice practice(material(), recent, clock, random);
    practice.startSet();
    ASSERT_FALSE(random.seeds.empty());
    for (double seed : random.seeds)
        EXPECT_EQ(seed, 45296.25);
}

TEST(QuestionDrawTest, WithOneHundredAndTwoPairsTheOrderRepeatsExactly) {
    // The one pair not among the last 101 is the only one that can come.
    QTemporaryDir dir;
    QDir(dir.path()).mkpath(QStringLiteral("化学式/データ"));
    for (const char* name : {"元素", "陽イオン", "陰イオン"}) {
        const QString file =
            QStringLiteral("\\化学式\\データ\\%1.dat").arg(QString::fromUtf8(name));
        QFile::copy(materialPath(materialDir(), file), materialPath(dir.path(), file));
    }
    QFile exclusions(materialPath(dir.path(), QStringLiteral("\\化学式\\データ\\除外.dat")));
    ASSERT_TRUE(exclusions.open(QIODevice::WriteOnly));
    // Cations 1 to 8 entirely and three anions of cation 9: 123 pairs out, 102 left.
    for (int c = 1; c <= 8; ++c)
        exclusions.write(
            QStringLiteral("%1,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,0\r\n").arg(c).toLatin1());
    exclusions.write("9,1,2,3,0\r\n0\r\n");
    exclusions.close();
    const FormulaData data = FormulaData::load(dir.path());
    ASSERT_EQ(data.pairCount(), 102);

    RecentMemory recent(300, 150, 101);
    ManualClock clock;
    MixingRandom random(99);
    std::vector<int> asked;
    visit(data, recent, clock, random, 25, asked);
    EXPECT_EQ(std::set<int>(asked.begin(), asked.begin() + 102).size(), 102u);
    for (std::size_t i = 0; i + 102 < asked.size(); ++i)
        EXPECT_EQ(asked[i + 102], asked[i]) << "question " << i + 102;
}

TEST(QuestionDrawTest, ASourceStuckOnOneValueStillFillsTheSet) {
    RecentMemory recent(300, 150, 101);
    ManualClock clock;
    ScriptedRandom random;
    random.script({0.5});
    std::vector<int> asked;
    visit(material(), recent, clock, random, 2, asked);
    EXPECT_EQ(std::set<int>(asked.begin(), asked.end()).size(), 20u);
}

} // namespace
