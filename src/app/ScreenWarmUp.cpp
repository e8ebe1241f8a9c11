#include "ScreenWarmUp.h"

#include "ScreenFactory.h"
#include "shell/FormWindow.h"
#include "shell/Navigator.h"
#include "util/Fonts.h"

#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QTimer>

#include <iterator>
#include <memory>

namespace app {

using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;
using util::kGothic;
using util::kMincho;
using util::kPMincho;
using util::uiFont;

namespace {

constexpr ScreenId practiceScreens[] = {ScreenId::Formula, ScreenId::Coefficient, ScreenId::Mole,
                                        ScreenId::Reaction};

// A 1 × 1 GIF: decoding it loads the image-format plugins once, as the
// first material picture of a screen would.
constexpr unsigned char tinyGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01,
                                     0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xff,
                                     0xff, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                     0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};

// The faces and sizes the practice screens draw with, and the characters of
// their fixed captions and numbers: drawing them once opens the font files
// (the first also starts fontconfig) and rasterises these glyphs.
struct FontUse {
    const QString& family;
    qreal points;
    bool bold;
};
const FontUse fontUses[] = {
    {kPMincho, 12, true}, {kPMincho, 14.25, true}, {kPMincho, 21.75, true}, {kMincho, 14, true},
    {kGothic, 12, true},  {kGothic, 17, true},     {kGothic, 12.75, false}};

void drawWithFont(const FontUse& use) {
    static const QString text =
        QStringLiteral("0123456789.()+-=÷× 化学式の練習問化合物解答判定得点イオン表全"
                       "式削除一字終了メニュー次計算方法係数決定");
    QImage scratch(8, 8, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&scratch);
    p.setFont(uiFont(use.family, use.points, use.bold));
    p.drawText(0, 8, text);
}

void loadImageDecoder() {
    const QImage image = QImage::fromData(tinyGif, sizeof tinyGif, "GIF");
    Q_UNUSED(image);
}

// Builds the screen without showing it or running its load step (no data is
// read, no question drawn), paints it into a pixmap and discards it.
void paintUnseen(Navigator& navigator, ScreenId id) {
    try {
        std::unique_ptr<FormWindow> screen(createScreen(navigator, id));
        if (screen) {
            const QPixmap painted = screen->grab();
            Q_UNUSED(painted);
        }
    } catch (...) {
        // Only a head start: the click builds the screen again and reports
        // whatever goes wrong there.
    }
}

} // namespace

void ScreenWarmUp::startOnce(Navigator& navigator) {
    static bool started = false;
    if (started)
        return;
    started = true;
    (new ScreenWarmUp(navigator))->start();
}

ScreenWarmUp::ScreenWarmUp(Navigator& navigator) : QObject(&navigator), navigator_(navigator) {}

void ScreenWarmUp::start() {
    QTimer::singleShot(0, this, &ScreenWarmUp::step);
}

void ScreenWarmUp::step() {
    // Fonts first, one face and size a step, then the decoder, then the screens.
    const int fonts = static_cast<int>(std::size(fontUses));
    const int screens = static_cast<int>(std::size(practiceScreens));
    if (next_ < fonts)
        drawWithFont(fontUses[next_]);
    else if (next_ == fonts)
        loadImageDecoder();
    else if (next_ - fonts - 1 < screens)
        paintUnseen(navigator_, practiceScreens[next_ - fonts - 1]);
    ++next_;
    if (next_ < fonts + 1 + screens)
        QTimer::singleShot(0, this, &ScreenWarmUp::step);
    else
        deleteLater();
}

} // namespace app
