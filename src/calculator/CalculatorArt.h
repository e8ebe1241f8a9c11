#pragma once

#include <QRectF>

class QPainter;

namespace calculator {

// The calculator's own pictures, drawn by code so they stay sharp at every
// scale: the body behind display and keys (116 × 275), one key (a 19 × 22
// face centred in its 23 × 26 button) and the memory mark (17 × 17).
void paintCalculatorBody(QPainter& p, const QRectF& r);
// key: the key index 0 … 19 of Calculator::Key.
void paintCalculatorKey(QPainter& p, const QRectF& r, int key);
void paintMemoryMark(QPainter& p, const QRectF& r);

} // namespace calculator
