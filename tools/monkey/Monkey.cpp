#include "Monkey.h"

#include "Session.h"
#include "StderrCapture.h"
#include "practice/PracticeScreen.h"
#include "shell/FormWindow.h"
#include "shell/Navigator.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/TextLabel.h"

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QTimerEvent>
#include <QWindow>

#include <algorithm>

namespace monkey {

using shell::allScreens;
using shell::FormWindow;
using shell::ScreenId;
using widgets::ImageBox;
using widgets::PictureButton;
using widgets::TextLabel;

namespace {

constexpr std::size_t recentKept = 20;

// The one line the program may write to stderr: a material picture it cannot read.
const QByteArray missingPicture = QByteArrayLiteral("chemdrill: 画像ファイルを読めません: ");
// What the offscreen platform says when a window is brought to the front; it
// has no stacking, and the driver keeps its own.
const QString platformRaise = QStringLiteral("warning: This plugin does not support raise()");
// Qt's remarks on the session it runs in (no XDG_RUNTIME_DIR under a bare
// test runner), not on the program.
const QString sessionRemark = QStringLiteral("warning: QStandardPaths: ");

struct Target {
    QWidget* widget;
    double weight;
};

// How often a learner's click goes to a control: leaving the screen or the
// program less often than working on it, and 次 as soon as it shows.
double weightOf(const QWidget* w) {
    if (const auto* b = qobject_cast<const PictureButton*>(w)) {
        const QString& label = b->label();
        if (label == u"終了")
            return 0.12;
        if (label == u"メニュー")
            return 0.2;
        if (label == u"次")
            return 8;
        return 1;
    }
    if (const auto* i = qobject_cast<const ImageBox*>(w))
        return i->isClickable() ? 1 : 0;
    return 0;
}

std::vector<Target> targetsOf(FormWindow* window) {
    std::vector<Target> targets;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (!w->isVisibleTo(window) || !w->isEnabled())
            continue;
        if (const double weight = weightOf(w); weight > 0)
            targets.push_back({w, weight});
    }
    return targets;
}

QString describe(const QWidget* w) {
    QString name = w->objectName();
    if (const auto* b = qobject_cast<const PictureButton*>(w))
        name += QStringLiteral(" (%1)").arg(b->label());
    return name;
}

} // namespace

Monkey::Monkey(std::uint64_t seed, StderrCapture& capture, QString basePath)
    : rng_(seed), capture_(capture), basePath_(std::move(basePath)) {
    clock_.setTimeOfDay(uniform(0, 86400));
    qApp->installEventFilter(this);
}

Monkey::~Monkey() {
    qApp->removeEventFilter(this);
    session_.reset();
}

double Monkey::uniform(double from, double to) {
    return std::uniform_real_distribution<double>(from, to)(rng_);
}

int Monkey::below(int n) {
    return static_cast<int>(std::uniform_int_distribution<int>(0, n - 1)(rng_));
}

bool Monkey::eventFilter(QObject* watched, QEvent* event) {
    if ((event->type() == QEvent::Show || event->type() == QEvent::WindowActivate) &&
        watched->isWidgetType() && static_cast<QWidget*>(watched)->isWindow())
        raisedAt_[static_cast<QWidget*>(watched)] = ++raiseCount_;
    return false;
}

std::vector<FormWindow*> Monkey::shownWindows() const {
    std::vector<FormWindow*> shown;
    for (ScreenId id : allScreens)
        if (FormWindow* w = session_->navigator().loaded(id); w && w->isVisible())
            shown.push_back(w);
    return shown;
}

FormWindow* Monkey::topWindow() const {
    FormWindow* top = nullptr;
    std::uint64_t latest = 0;
    for (FormWindow* w : shownWindows()) {
        const auto it = raisedAt_.find(w);
        const std::uint64_t at = it == raisedAt_.end() ? 0 : it->second;
        if (!top || at > latest) {
            top = w;
            latest = at;
        }
    }
    return top;
}

void Monkey::note(const QString& action) {
    recent_.push_back(QStringLiteral("%1: %2").arg(event_).arg(action));
    if (recent_.size() > recentKept)
        recent_.pop_front();
}

void Monkey::startProgram() {
    session_.reset();
    raisedAt_.clear();
    plan_.clear();
    session_ = std::make_unique<Session>(clock_, rng_(), basePath_);
    ++starts_;
    note(QStringLiteral("program started"));
    session_->navigator().show(ScreenId::Menu);
    Session::settle();
}

bool Monkey::run(std::int64_t events) {
    event_ = 0;
    startProgram();
    for (event_ = 1; event_ <= events; ++event_) {
        act();
        // A learner takes a moment between actions; the timers tick meanwhile.
        clock_.advance(uniform(0.1, 0.6));
        tickTimers();
        Session::settle();
        finding_ = checkStderr();
        if (finding_.isEmpty())
            finding_ = watch_.check(*session_);
        if (!finding_.isEmpty())
            return false;
        if (session_->ended()) {
            startProgram();
            finding_ = watch_.check(*session_);
            if (!finding_.isEmpty())
                return false;
        }
    }
    event_ = events;
    return true;
}

void Monkey::act() {
    FormWindow* top = topWindow();
    if (!top)
        return;
    if (!plan_.empty() && planWindow_ == top && !chance(0.03)) {
        followPlan(top);
        return;
    }
    plan_.clear();
    if (qobject_cast<practice::PracticeScreen*>(top) && chance(0.02)) {
        plan_ = planAnswer(*top);
        planWindow_ = top;
        if (!plan_.empty()) {
            note(QStringLiteral("plan: answer %1 with %2 steps")
                     .arg(top->objectName())
                     .arg(plan_.size()));
            followPlan(top);
            return;
        }
    }
    const double r = uniform(0, 100);
    if (r < 72)
        clickControl(top, false, Qt::LeftButton);
    else if (r < 80)
        clickBackground(top);
    else if (r < 88)
        wander(top);
    else if (r < 95)
        passTime();
    else if (r < 97)
        clickControl(top, true, Qt::LeftButton);
    else if (r < 98)
        clickControl(top, false, chance(0.5) ? Qt::RightButton : Qt::MiddleButton);
    else if (r < 99.5)
        clickUnderneath(top);
    else {
        note(QStringLiteral("close %1 from its frame").arg(top->objectName()));
        session_->noteFrameClose();
        top->close();
    }
}

void Monkey::clickAt(FormWindow* window, QPoint at, Qt::MouseButton button, bool doubleClick,
                     const QString& what) {
    note(QStringLiteral("%1%2 %3 on %4 at %5,%6")
             .arg(doubleClick ? QStringLiteral("double ") : QString())
             .arg(button == Qt::LeftButton ? QStringLiteral("click")
                                           : QStringLiteral("button %1 click").arg(int(button)))
             .arg(what, window->objectName())
             .arg(at.x())
             .arg(at.y()));
    QWindow* handle = window->windowHandle();
    if (!handle)
        return;
    // The pointer travels to the place first, as a hand would move it.
    QTest::mouseMove(handle, at);
    if (doubleClick)
        QTest::mouseDClick(handle, button, {}, at);
    else
        QTest::mouseClick(handle, button, {}, at);
}

void Monkey::clickControl(FormWindow* window, bool doubleClick, Qt::MouseButton button) {
    const std::vector<Target> targets = targetsOf(window);
    double total = 0;
    for (const Target& t : targets)
        total += t.weight;
    if (targets.empty() || total <= 0) {
        clickBackground(window);
        return;
    }
    double pick = uniform(0, total);
    const Target* chosen = &targets.back();
    for (const Target& t : targets) {
        if (pick < t.weight) {
            chosen = &t;
            break;
        }
        pick -= t.weight;
    }
    QWidget* w = chosen->widget;
    // Anywhere on the control; whatever lies on top there takes the click.
    const QPoint inside(below(std::max(1, w->width())), below(std::max(1, w->height())));
    clickAt(window, w->mapTo(window, inside), button, doubleClick, describe(w));
}

void Monkey::clickBackground(FormWindow* window) {
    const QPoint at(below(window->width()), below(window->height()));
    QWidget* under = window->childAt(at);
    clickAt(window, at, Qt::LeftButton, false,
            under ? QStringLiteral("the point over ") + describe(under)
                  : QStringLiteral("the background"));
}

void Monkey::clickUnderneath(FormWindow* top) {
    std::vector<FormWindow*> others = shownWindows();
    others.erase(std::remove(others.begin(), others.end(), top), others.end());
    if (others.empty()) {
        clickControl(top, false, Qt::LeftButton);
        return;
    }
    // The learner moved the window on top aside and clicks the one beneath,
    // which comes to the front.
    FormWindow* under = others[static_cast<std::size_t>(below(static_cast<int>(others.size())))];
    note(QStringLiteral("bring %1 to the front").arg(under->objectName()));
    under->activateWindow();
    raisedAt_[under] = ++raiseCount_;
    Session::settle();
    clickControl(under, false, Qt::LeftButton);
}

void Monkey::wander(FormWindow* window) {
    QWindow* handle = window->windowHandle();
    if (!handle)
        return;
    const int moves = 1 + below(6);
    note(QStringLiteral("pointer wanders over %1 (%2 moves)").arg(window->objectName()).arg(moves));
    QPoint at(below(window->width()), below(window->height()));
    for (int i = 0; i < moves; ++i) {
        QTest::mouseMove(handle, at);
        // Mostly small steps, as across a palette from one entry to the next.
        at += QPoint(below(81) - 40, below(41) - 20);
        at.setX(std::clamp(at.x(), 0, window->width() - 1));
        at.setY(std::clamp(at.y(), 0, window->height() - 1));
    }
}

void Monkey::passTime() {
    const double r = uniform(0, 100);
    if (r < 96) {
        const double seconds = r < 70   ? uniform(0.05, 1.5)
                               : r < 95 ? uniform(1.5, 5)
                                        : uniform(10, 7200);
        note(QStringLiteral("%1 s pass").arg(seconds, 0, 'f', 2));
        clock_.advance(seconds);
    } else {
        // The computer's clock is set: the time of day jumps, either way.
        const double to = uniform(0, 86400);
        note(QStringLiteral("the clock is set to %1").arg(to, 0, 'f', 1));
        clock_.setTimeOfDay(to);
    }
    tickTimers();
}

void Monkey::followPlan(FormWindow* window) {
    const PlanStep step = plan_.front();
    plan_.pop_front();
    if (step.kind == PlanStep::Kind::Pause) {
        note(QStringLiteral("plan: wait for the judge button"));
        clock_.advance(3);
        tickTimers();
        return;
    }
    QWidget* w = window->findChild<QWidget*>(step.control);
    if (!w || !w->isVisibleTo(window)) {
        note(QStringLiteral("plan: %1 is not there").arg(step.control));
        return;
    }
    const QPoint centre = w->mapTo(window, w->rect().center());
    clickAt(window, centre, Qt::LeftButton, false, QStringLiteral("plan: ") + describe(w));
}

void Monkey::tickTimers() {
    // The banner and legend timers tick every 100 ms while they run; one tick
    // after the clock moved is what the next real tick would do. Sent here, so
    // the run does not depend on the speed of the machine.
    for (FormWindow* w : shownWindows())
        for (QTimer* timer : w->findChildren<QTimer*>())
            if (timer->isActive()) {
                QTimerEvent tick(timer->timerId());
                QCoreApplication::sendEvent(timer, &tick);
            }
}

QString Monkey::checkStderr() {
    QString broken;
    const QByteArray written = capture_.takeWritten();
    for (const QByteArray& line : written.split('\n')) {
        if (line.isEmpty())
            continue;
        if (line.startsWith(missingPicture)) {
            ++missingPictures_;
            continue;
        }
        if (broken.isEmpty())
            broken = QStringLiteral("stderr: ") + QString::fromUtf8(line);
    }
    for (const QString& message : capture_.takeMessages()) {
        if (message == platformRaise || message.startsWith(sessionRemark))
            continue;
        if (broken.isEmpty())
            broken = QStringLiteral("Qt says: ") + message;
    }
    if (!written.isEmpty() && !broken.isEmpty())
        StderrCapture::toRealStderr(written);
    return broken;
}

QString Monkey::summary() const {
    QStringList visits;
    int references = 0;
    for (const auto& [id, count] : watch_.visits()) {
        if (static_cast<int>(id) <= static_cast<int>(ScreenId::Reaction))
            visits << QStringLiteral("%1 %2").arg(screenName(id)).arg(count);
        else
            references += count;
    }
    visits << QStringLiteral("参照画面 %1").arg(references);
    return QStringLiteral("%1 events, %2 program starts; visits: %3; questions finished %4; "
                          "missing-picture warnings %5")
        .arg(event_)
        .arg(starts_)
        .arg(visits.join(QStringLiteral(", ")))
        .arg(watch_.completed())
        .arg(missingPictures_);
}

} // namespace monkey
