#include "Watch.h"

#include "NumberShape.h"
#include "Session.h"
#include "practice/PracticeChrome.h"
#include "practice/PracticeScreen.h"
#include "shell/FormWindow.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/TextLabel.h"

#include <QApplication>
#include <QRegularExpression>

#include <algorithm>
#include <limits>

namespace monkey {

using shell::allScreens;
using shell::FormWindow;
using shell::ScreenId;
using widgets::TextLabel;

namespace {

bool isMain(ScreenId id) {
    return id == ScreenId::Menu || id == ScreenId::Formula || id == ScreenId::Coefficient ||
           id == ScreenId::Mole || id == ScreenId::Reaction;
}

// The practice screen a reference screen belongs to.
ScreenId ownerOf(ScreenId reference) {
    switch (reference) {
    case ScreenId::IonTable:
    case ScreenId::FormulaHowTo:
        return ScreenId::Formula;
    case ScreenId::CoefficientHowTo:
        return ScreenId::Coefficient;
    case ScreenId::MoleHowTo:
        return ScreenId::Mole;
    case ScreenId::ReactionHowTo:
        return ScreenId::Reaction;
    default:
        return reference;
    }
}

// The labels of each practice screen that show numbers: score, question
// number, answer boxes, atom totals. The calculator display is checked apart.
const QRegularExpression& numberBoxes(ScreenId id) {
    static const QRegularExpression formula(QStringLiteral(R"(\ALabel5\z)"));
    static const QRegularExpression coefficient(
        QStringLiteral(R"(\A(Label6|Label3|Label(9|1\d|20)_3)\z)"));
    static const QRegularExpression calculatorScreen(
        QStringLiteral(R"(\A(Label6|Label3|Label2_\d+)\z)"));
    switch (id) {
    case ScreenId::Formula:
        return formula;
    case ScreenId::Coefficient:
        return coefficient;
    default:
        return calculatorScreen;
    }
}

QString quoted(const QString& text) {
    return QStringLiteral("\"%1\"").arg(text);
}

} // namespace

QString screenName(ScreenId id) {
    static const char16_t* const names[] = {
        u"メニュー", u"化学式",     u"係数",       u"モル",       u"反応量",
        u"イオン表", u"化学式作成", u"係数決定法", u"モル計算法", u"反応量計算法"};
    return QString::fromUtf16(names[static_cast<int>(id)]);
}

Watch::Visit& Watch::visitOf(FormWindow* window) {
    open_.erase(
        std::remove_if(open_.begin(), open_.end(), [](const Visit& v) { return !v.window; }),
        open_.end());
    for (Visit& v : open_)
        if (v.window == window)
            return v;
    ++visits_[window->screenId()];
    open_.push_back({window, 0, false});
    return open_.back();
}

QString Watch::check(const Session& session) {
    if (!session.errors().isEmpty())
        return QStringLiteral("a message box would show: ") + session.errors().first();
    if (session.ended())
        return checkEnded(session);

    const shell::Navigator& nav = session.navigator();
    std::vector<FormWindow*> loaded;
    std::vector<ScreenId> mains;
    std::vector<ScreenId> references;
    for (ScreenId id : allScreens) {
        FormWindow* w = nav.loaded(id);
        if (!w)
            continue;
        loaded.push_back(w);
        (isMain(id) ? mains : references).push_back(id);
    }

    if (mains.size() > 1)
        return QStringLiteral("two main screens are loaded: %1 and %2")
            .arg(screenName(mains[0]), screenName(mains[1]));
    if (mains.empty() && references.empty())
        return QStringLiteral("no screen is loaded, yet the program has not ended");
    if (mains.empty() && !session.frameClosed())
        return QStringLiteral("only %1 is loaded, without its practice screen")
            .arg(screenName(references.front()));
    for (ScreenId r : references)
        if (!mains.empty() && ownerOf(r) != mains.front())
            return QStringLiteral("%1 is loaded over %2").arg(screenName(r), screenName(mains[0]));

    for (FormWindow* w : loaded) {
        if (!w->isVisible())
            return QStringLiteral("%1 is loaded but not shown").arg(screenName(w->screenId()));
        visitOf(w);
    }
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (!w->isVisible())
            continue;
        if (std::find(loaded.begin(), loaded.end(), w) == loaded.end())
            return QStringLiteral("a window that is no loaded screen is shown: %1 %2 %3")
                .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(),
                     quoted(w->windowTitle()));
    }

    for (FormWindow* w : loaded)
        if (QString broken = checkPractice(w); !broken.isEmpty())
            return screenName(w->screenId()) + QStringLiteral(": ") + broken;
    return {};
}

QString Watch::checkEnded(const Session&) const {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible())
            return QStringLiteral("the program ended but a window stays: %1 %2")
                .arg(w->objectName(), quoted(w->windowTitle()));
    return {};
}

QString Watch::checkPractice(FormWindow* window) {
    auto* screen = qobject_cast<practice::PracticeScreen*>(window);
    if (!screen)
        return {};
    Visit& visit = visitOf(window);

    const int score = screen->chrome().score().value();
    const QString scoreName = screen->info().shared.scoreLabel.objectName();
    const auto* scoreLabel = screen->findChild<TextLabel*>(scoreName);
    if (score < 0 || score > std::numeric_limits<std::int16_t>::max())
        return QStringLiteral("the score is %1").arg(score);
    if (score < visit.score)
        return QStringLiteral("the score went down from %1 to %2").arg(visit.score).arg(score);
    if (!scoreLabel)
        return QStringLiteral("no score label %1").arg(scoreName);
    if (!scoreLabel->text().isEmpty() && scoreLabel->text() != QString::number(score))
        return QStringLiteral("the score label shows %1 for a score of %2")
            .arg(quoted(scoreLabel->text()))
            .arg(score);
    visit.score = score;

    const bool nextShown = screen->chrome().nextButton()->isVisibleTo(window);
    if (nextShown && !visit.nextShown)
        ++completed_;
    visit.nextShown = nextShown;

    const QRegularExpression& boxes = numberBoxes(window->screenId());
    for (const TextLabel* label : window->findChildren<TextLabel*>()) {
        if (!label->isVisibleTo(window) || !boxes.match(label->objectName()).hasMatch())
            continue;
        if (!isNumberOrPrefix(label->text()))
            return QStringLiteral("%1 shows %2").arg(label->objectName(), quoted(label->text()));
    }
    if (const QWidget* frame = window->findChild<QWidget*>(QStringLiteral("Frame1"))) {
        const auto* display = frame->findChild<TextLabel*>(QStringLiteral("Label1"));
        if (display && !isCalculatorDisplay(display->text()))
            return QStringLiteral("the calculator display shows %1").arg(quoted(display->text()));
    }
    return {};
}

} // namespace monkey
