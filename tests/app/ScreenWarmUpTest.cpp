#include "app/ScreenWarmUp.h"

#include "support/ScreenFixture.h"

#include <QPointer>

#include <map>

using app::ScreenWarmUp;
using shell::FormWindow;
using shell::ScreenId;

namespace {

// The warm-up runs on the menu while the learner reads it: it may build and
// paint the practice screens, but must leave no trace a learner or the rules
// could see — no screen loaded, no window left, no question drawn, no error.
// Counts the paint events each screen's window receives, shown or not.
class PaintCounter : public QObject {
public:
    std::map<ScreenId, int> painted;

protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() == QEvent::Paint)
            if (auto* w = qobject_cast<FormWindow*>(watched))
                ++painted[w->screenId()];
        return false;
    }
};

using ScreenWarmUpTest = ScreenFixture;

TEST_F(ScreenWarmUpTest, PaintsEachPracticeScreenUnseenAndLeavesNoTrace) {
    navigator.show(ScreenId::Menu);
    settle();
    PaintCounter counter;
    qApp->installEventFilter(&counter);
    const auto windowsBefore = QApplication::topLevelWidgets().size();
    util::MixingRandom untouched{12345}; // the fixture's seed; the menu draws nothing

    QPointer<ScreenWarmUp> warmUp = new ScreenWarmUp(navigator);
    warmUp->start();
    for (int turn = 0; turn < 50 && warmUp; ++turn)
        settle();

    qApp->removeEventFilter(&counter);
    EXPECT_TRUE(warmUp.isNull()) << "the warm-up did not finish";
    for (ScreenId id :
         {ScreenId::Formula, ScreenId::Coefficient, ScreenId::Mole, ScreenId::Reaction})
        EXPECT_GE(counter.painted[id], 1) << static_cast<int>(id);
    EXPECT_TRUE(navigator.isLoaded(ScreenId::Menu));
    for (ScreenId id :
         {ScreenId::Formula, ScreenId::Coefficient, ScreenId::Mole, ScreenId::Reaction})
        EXPECT_FALSE(navigator.isLoaded(id));
    EXPECT_EQ(QApplication::topLevelWidgets().size(), windowsBefore);
    EXPECT_EQ(random.next(), untouched.next()) << "a question was drawn";
    EXPECT_TRUE(errors.isEmpty()) << errors.join(u'\n').toStdString();
    EXPECT_FALSE(ended);
}

} // namespace
