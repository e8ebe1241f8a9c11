#pragma once

#include <QRectF>
#include <QString>

class QPainter;

namespace coefficient {

// The looks of a coefficient box (48 × 38). Each is one set of pictures in
// \係数\数字, named by the file prefix below.
enum class FaceStyle {
    Plain,    // w: white frame and digit on black
    Selected, // r: yellow box, black digit; also the pad's highlight
    Entered,  // y: yellow box with a red frame and digit: just written
    Correct,  // g_h: green, as the 正 of the judgement legend
    Wrong,    // r_h: red, as the 誤 of the judgement legend
};

// The file prefix of a style: "w", "r", "y", "g_h", "r_h".
QString faceStyleName(FaceStyle style);

// A box face with digit d, or none when d is 0.
void paintBoxFace(QPainter& p, const QRectF& r, FaceStyle style, int d);

} // namespace coefficient
