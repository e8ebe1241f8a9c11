#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>
#include <QRectF>
#include <QString>

#include <functional>

class QPainter;

namespace widgets {

// The screens' own pictures, drawn by code at whatever scale the window has,
// so they stay sharp at 100 % and at 200 %. Each takes the rectangle to fill
// in logical pixels.
using Art = std::function<void(QPainter&, const QRectF&)>;

struct FaceColors {
    QColor background = QColor(200, 0, 0);
    QColor text = Qt::white;
};

// A picture button's face: its label on a bevelled plate.
void paintButtonFace(QPainter& p, const QRectF& r, const QString& label, const FaceColors& colors,
                     qreal pointSize, bool pressed);
// The score panel: a red header reading 得点 over a black field.
void paintScorePanel(QPainter& p, const QRectF& r);
// The judgement legend: a green half with 正 and a red half with 誤.
void paintJudgementLegend(QPainter& p, const QRectF& r);
// The menu's title picture.
void paintMenuTitle(QPainter& p, const QRectF& r);
// The sizes the program icon comes in. On X every window sends every size to
// the server as it is created, before it is mapped (and again for its icon
// property), so the list stops at what panels and task lists show; a window
// manager scales these for anything larger.
inline constexpr int programIconSizes[] = {16, 24, 32, 48, 64};
// The program icon, at programIconSizes.
QIcon programIcon();
// The program icon drawn at size × size pixels, for sizes the desktop's icon
// theme wants beyond programIconSizes.
QImage programIconImage(int size);

} // namespace widgets
