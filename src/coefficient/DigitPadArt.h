#pragma once

#include <QRectF>

class QPainter;

namespace coefficient {

// The digit pad of the coefficient screen: the digits 1 to 8 in boxes of
// 48 × 38, 46 px apart, 370 × 38 in all. Shared by the screen (the pad) and
// the material generator (each digit's highlight picture).
constexpr int digitBoxWidth = 48;
constexpr int digitBoxHeight = 38;
constexpr int digitStep = 46;

QRectF digitBoxRect(int d);
void paintDigitBox(QPainter& p, const QRectF& r, int d, bool highlighted);
void paintDigitPad(QPainter& p, const QRectF& r);

} // namespace coefficient
