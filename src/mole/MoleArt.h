#pragma once

#include <QChar>
#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace mole {

// The mole screen's pictures, drawn by code: the screen draws its own (the
// atomic-weight strip and the answer sheet) at any scale, and the material
// generator draws the question strips and the answer-box frames with the same
// code.

// Image2: 原子量 and the weights of the exercise's elements, 607 × 35.
void paintWeightStrip(QPainter& p, const QRectF& r);
// Image4: rows A to D with their labels and units, the box outlines and ×10,
// 468 × 328.
void paintAnswerSheet(QPainter& p, const QRectF& r);
// A question strip, 556 × 33: 第　問 with room for the number, the
// substance's name and formula (digits as small, low subscripts), and
// について空欄の値を求めよ.
void paintQuestionStrip(QPainter& p, const QRectF& r, const QString& name, const QString& formula);
// The frame of an answer box in colour w (white), y (yellow), b (blue),
// g (green) or r (red); `small` for box 3.
void paintBoxFrame(QPainter& p, const QRectF& r, QChar colour, bool small);

// The frame colours by their letters; black for any other letter.
QColor frameColour(QChar colour);

} // namespace mole
