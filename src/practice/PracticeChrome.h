#pragma once

#include "HoverHighlight.h"
#include "Outcome.h"
#include "PracticeLayout.h"
#include "Score.h"
#include "TimedNotice.h"

#include <QObject>
#include <QVector>

#include <functional>

namespace shell {
class FormWindow;
}
namespace widgets {
class ImageBox;
}
namespace shell {
class Navigator;
}
namespace widgets {
class PictureButton;
}
class QTimer;
namespace widgets {
class TextLabel;
}

namespace practice {

// The elements every practice screen shares, built once here: the message
// banner, the judge button with its 正/誤 legend, the score panel, the 次
// button, 終了, メニュー, the reference button, and the hover highlight of a
// click palette. The screen applies its rules' outcomes here; the rules
// decide when, and keep the completion flag that 次 shows.
class PracticeChrome : public QObject {
    Q_OBJECT
public:
    PracticeChrome(shell::FormWindow& window, shell::Navigator& navigator,
                   const PracticeScreenInfo& info);

    void showBanner(const QString& text);
    void showMark();
    void addScore();
    // Banner, legend, 10 points per newly correct item, and 次 shown exactly
    // while the rules say the question is complete.
    void apply(const Outcome& outcome);
    const Score& score() const { return score_; }

    // Hover highlight over palette entries 1..n; highlightPath(k) is the
    // picture file of entry k.
    void attachPalette(const QVector<widgets::ImageBox*>& entries,
                       std::function<QString(int)> highlightPath, int highlighted, int hovered);
    // A new set starts the highlight afresh (the pictures stay as they are).
    void resetHover(int highlighted, int hovered) { hover_.reset(highlighted, hovered); }
    const HoverHighlight& hover() const { return hover_; }

    // Banner and legend above everything else the screen has built.
    void raiseOverlays();

    widgets::PictureButton* judgeButton() const { return judge_; }
    widgets::PictureButton* nextButton() const { return next_; }

public slots:
    // Timer ticks, every 100 ms while the banner or legend is up.
    void bannerTick();
    void markTick();

signals:
    void judgeClicked();
    void nextClicked();
    void referenceClicked();

private:
    void applyHover(HoverHighlight::Change change);
    void quit();
    void backToMenu();

    shell::FormWindow& window_;
    shell::Navigator& navigator_;
    shell::ScreenId screen_;
    ReferenceButton reference_;

    widgets::TextLabel* bannerBox_;
    widgets::TextLabel* bannerText_;
    QTimer* bannerTimer_;
    widgets::PictureButton* judge_;
    widgets::ImageBox* legend_;
    QTimer* markTimer_;
    widgets::ImageBox* scorePanel_;
    widgets::TextLabel* scoreLabel_;
    widgets::PictureButton* next_;

    TimedNotice banner_;
    TimedNotice mark_;
    Score score_;
    HoverHighlight hover_;
    QVector<widgets::ImageBox*> palette_;
    std::function<QString(int)> highlightPath_;
};

} // namespace practice
