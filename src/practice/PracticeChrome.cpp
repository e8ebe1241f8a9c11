#include "PracticeChrome.h"

#include "shell/FormWindow.h"
#include "shell/Navigator.h"
#include "util/Clock.h"
#include "util/Fonts.h"
#include "util/widgets/ImageBox.h"
#include "util/widgets/PictureButton.h"
#include "util/widgets/TextLabel.h"

#include <QTimer>

namespace practice {

using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using util::kPMincho;
using util::uiFont;
using widgets::ImageBox;
using widgets::paintJudgementLegend;
using widgets::paintScorePanel;
using widgets::PictureButton;
using widgets::TextLabel;

namespace {
constexpr int tickMs = 100;
constexpr double legendSeconds = 2;
const QColor magenta(255, 0, 255);
} // namespace

PracticeChrome::PracticeChrome(FormWindow& window, Navigator& navigator,
                               const PracticeScreenInfo& info)
    : QObject(&window), window_(window), navigator_(navigator), screen_(info.id),
      reference_(info.reference), banner_(info.shared.bannerSeconds), mark_(legendSeconds) {
    QWidget* w = &window;
    const PracticeLayout& layout = info.shared;

    TextLabel::Look boxLook{uiFont(kPMincho, 14.25, true), Qt::white, magenta, true,
                            Qt::AlignCenter};
    bannerBox_ = new TextLabel(w, layout.bannerBox, boxLook, QStringLiteral("メッセージ"));
    bannerText_ = new TextLabel(w, layout.bannerText, boxLook, QStringLiteral("メッセージ"));
    bannerBox_->hide();
    bannerText_->hide();
    bannerTimer_ = new QTimer(w);
    bannerTimer_->setObjectName(QStringLiteral("Timer1"));
    bannerTimer_->setInterval(tickMs);
    connect(bannerTimer_, &QTimer::timeout, this, &PracticeChrome::bannerTick);

    judge_ = new PictureButton(w, layout.judge, QStringLiteral("解答判定"));
    connect(judge_, &PictureButton::clicked, this, &PracticeChrome::judgeClicked);
    legend_ = new ImageBox(w, layout.legend, QStringLiteral("判定の色: 緑は正解、赤は誤り"));
    legend_->setArt(paintJudgementLegend);
    legend_->hide();
    markTimer_ = new QTimer(w);
    markTimer_->setObjectName(QStringLiteral("Timer2"));
    markTimer_->setInterval(tickMs);
    connect(markTimer_, &QTimer::timeout, this, &PracticeChrome::markTick);

    scorePanel_ = new ImageBox(w, layout.scorePanel, QStringLiteral("得点"));
    scorePanel_->setArt(paintScorePanel);
    scoreLabel_ =
        new TextLabel(w, layout.scoreLabel,
                      {uiFont(kPMincho, 21.75, true), Qt::white, Qt::black, false, Qt::AlignCenter},
                      QStringLiteral("得点"));

    next_ =
        new PictureButton(w, layout.next, QStringLiteral("次"), {QColor(0, 120, 0), Qt::white}, 14);
    next_->hide();
    connect(next_, &PictureButton::clicked, this, &PracticeChrome::nextClicked);

    auto* quitButton = new PictureButton(w, layout.quit, QStringLiteral("終了"));
    connect(quitButton, &PictureButton::clicked, this, &PracticeChrome::quit);
    auto* menuButton = new PictureButton(w, layout.menu, QStringLiteral("メニュー"),
                                         {QColor(0, 0, 170), Qt::white});
    connect(menuButton, &PictureButton::clicked, this, &PracticeChrome::backToMenu);

    const ReferenceButton& ref = info.reference;
    auto* reference = new PictureButton(w, ref.place, ref.face, ref.colors);
    connect(reference, &PictureButton::clicked, this, &PracticeChrome::referenceClicked);
}

void PracticeChrome::showBanner(const QString& text) {
    bannerText_->setCaption(text);
    bannerBox_->show();
    bannerText_->show();
    banner_.show(navigator_.clock());
    bannerTimer_->start(tickMs);
}

void PracticeChrome::bannerTick() {
    if (!banner_.tick(navigator_.clock()))
        return;
    bannerBox_->hide();
    bannerText_->hide();
    bannerTimer_->stop();
}

void PracticeChrome::showMark() {
    judge_->hide();
    legend_->show();
    mark_.show(navigator_.clock());
    markTimer_->start(tickMs);
}

void PracticeChrome::markTick() {
    if (!mark_.tick(navigator_.clock()))
        return;
    markTimer_->stop();
    legend_->hide();
    judge_->show();
}

void PracticeChrome::addScore() {
    score_.add();
    scoreLabel_->setCaption(score_.caption());
}

void PracticeChrome::apply(const Outcome& outcome) {
    if (!outcome.banner.isEmpty())
        showBanner(outcome.banner);
    if (outcome.showMark)
        showMark();
    for (int i = 0; i < outcome.newlyCorrect; ++i)
        addScore();
    next_->setVisible(outcome.complete);
}

void PracticeChrome::attachPalette(const QVector<ImageBox*>& entries,
                                   std::function<QString(int)> highlightPath, int highlighted,
                                   int hovered) {
    palette_ = entries;
    highlightPath_ = std::move(highlightPath);
    hover_.reset(highlighted, hovered);
    for (int i = 0; i < entries.size(); ++i) {
        const int k = i + 1;
        connect(entries[i], &ImageBox::pointerMoved, this,
                [this, k] { applyHover(hover_.overEntry(k)); });
    }
    connect(&window_, &FormWindow::backgroundPointerMoved, this,
            [this] { applyHover(hover_.overBackground()); });
}

void PracticeChrome::applyHover(HoverHighlight::Change change) {
    if (change.clear >= 1 && change.clear <= palette_.size())
        palette_[change.clear - 1]->clearPicture();
    if (change.load >= 1 && change.load <= palette_.size())
        palette_[change.load - 1]->loadPicture(highlightPath_(change.load));
}

void PracticeChrome::raiseOverlays() {
    bannerBox_->raise();
    bannerText_->raise();
    legend_->raise();
}

void PracticeChrome::quit() {
    navigator_.unload(screen_);
    navigator_.endProgram();
}

void PracticeChrome::backToMenu() {
    // The reference screens opened from here go with this screen. Left over
    // the menu, the ion table's 戻る would load this screen beside it.
    navigator_.unload(reference_.target);
    if (reference_.leadsTo != ScreenId::Menu)
        navigator_.unload(reference_.leadsTo);
    navigator_.unload(screen_);
    navigator_.show(ScreenId::Menu);
}

} // namespace practice
