#include "MenuArt.h"

#include "util/Fonts.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QPixmap>

namespace app {

using widgets::Art;
using widgets::FaceColors;
using widgets::paintButtonFace;
using widgets::paintMenuTitle;
using widgets::prerendered;
using widgets::prerenderedImage;
using widgets::PrerenderedPicture;
using widgets::programIcon;
using widgets::programIconSizes;

namespace {

struct MenuFace {
    const char* key;
    const char* label;
    QColor background;
};

const MenuFace menuFaces[] = {
    {"menu-command1", "化学式の練習", QColor(0, 60, 170)},
    {"menu-command2", "反応式の係数", QColor(0, 60, 170)},
    {"menu-command3", "モル量の計算", QColor(0, 60, 170)},
    {"menu-command4", "化学反応の量", QColor(0, 60, 170)},
    {"menu-command5", "終了", QColor(200, 0, 0)},
};

} // namespace

std::vector<PrerenderedPicture> firstScreenPictures() {
    std::vector<PrerenderedPicture> pictures;
    pictures.push_back({QStringLiteral("menu-title"), QSize(270, 66), paintMenuTitle});
    for (const MenuFace& f : menuFaces) {
        const QString label = QString::fromUtf8(f.label);
        const FaceColors colors{f.background, Qt::white};
        pictures.push_back({QString::fromLatin1(f.key), QSize(250, 50),
                            [label, colors](QPainter& p, const QRectF& r) {
                                paintButtonFace(p, r, label, colors, 16, false);
                            }});
    }
    for (int size : programIconSizes) {
        pictures.push_back({QStringLiteral("icon-%1").arg(size), QSize(size, size),
                            [size](QPainter& p, const QRectF& r) {
                                p.drawPixmap(r.toRect(), programIcon().pixmap(size, size));
                            }});
    }
    return pictures;
}

Art menuPicture(const QString& key) {
    for (PrerenderedPicture& picture : firstScreenPictures()) {
        if (picture.key == key)
            return prerendered(key, std::move(picture.art));
    }
    return nullptr;
}

QIcon applicationIcon() {
    QIcon icon;
    for (int size : programIconSizes) {
        const QImage ready = prerenderedImage(QStringLiteral("icon-%1").arg(size), 1);
        if (ready.isNull())
            return programIcon();
        icon.addPixmap(QPixmap::fromImage(ready));
    }
    return icon;
}

} // namespace app
