#include "ScreenWarmUp.h"

#include "MenuArt.h"
#include "ScreenFactory.h"
#include "shell/FormWindow.h"
#include "shell/Navigator.h"

#include <QImage>
#include <QPixmap>
#include <QTimer>

#include <iterator>
#include <memory>

namespace app {

using shell::FormWindow;
using shell::Navigator;
using shell::ScreenId;

namespace {

constexpr ScreenId practiceScreens[] = {ScreenId::Formula, ScreenId::Coefficient, ScreenId::Mole,
                                        ScreenId::Reaction};

// A 1 × 1 GIF: decoding it loads the image-format plugins once, as the
// first material picture of a screen would.
constexpr unsigned char tinyGif[] = {0x47, 0x49, 0x46, 0x38, 0x39, 0x61, 0x01, 0x00, 0x01,
                                     0x00, 0x80, 0x00, 0x00, 0x00, 0x00, 0x00, 0xff, 0xff,
                                     0xff, 0x2c, 0x00, 0x00, 0x00, 0x00, 0x01, 0x00, 0x01,
                                     0x00, 0x00, 0x02, 0x02, 0x44, 0x01, 0x00, 0x3b};

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
    const int screenCount = static_cast<int>(std::size(practiceScreens));
    if (next_ == 0)
        warmUpFonts();
    else if (next_ == 1)
        loadImageDecoder();
    else if (next_ - 2 < screenCount)
        paintUnseen(navigator_, practiceScreens[next_ - 2]);
    ++next_;
    if (next_ - 2 < screenCount)
        QTimer::singleShot(0, this, &ScreenWarmUp::step);
    else
        deleteLater();
}

} // namespace app
