#pragma once

#include "util/widgets/Place.h"

#include <QRect>

namespace mole {

// Where the mole screen モル puts its own controls, in pixels of its 751 × 501
// client area. The screen places its widgets with these and the answer
// sheet's picture draws its box outlines with them, so the two cannot drift.
namespace moleGeometry {

using widgets::Place;

constexpr Place weightStrip{.name = "Image2", .rect = {12, 11, 607, 35}};
constexpr Place questionStrip{.name = "Image5", .rect = {12, 57, 556, 33}};
constexpr Place questionNumber{.name = "Label3", .rect = {41, 64, 37, 23}};
constexpr Place answerSheet{.name = "Image4", .rect = {69, 101, 468, 328}};

// The frame picture of box b, 1..5 (Image9_b): 95 × 58, box 3 56 × 35.
constexpr QRect frameRects[] = {
    {},
    {241, 110, 95, 58},
    {241, 194, 95, 58},
    {401, 177, 56, 35},
    {241, 278, 95, 58},
    {241, 362, 95, 58},
};
// The text of box b (Label2_b), over the inside of its frame.
constexpr QRect textRects[] = {
    {},
    {245, 123, 88, 36},
    {245, 208, 88, 36},
    {403, 180, 52, 28},
    {245, 291, 88, 36},
    {245, 374, 88, 36},
};

constexpr Place frame(int b) {
    return {.name = "Image9", .rect = frameRects[b], .index = b};
}
constexpr Place text(int b) {
    return {.name = "Label2", .rect = textRects[b], .index = b};
}

// The two frame sizes: 1 for boxes 1, 2, 4 and 5, 2 for box 3.
constexpr QSize largeFrame(95, 58);
constexpr QSize smallFrame(56, 35);
constexpr int frameSize(int b) {
    return b == 3 ? 2 : 1;
}

} // namespace moleGeometry

} // namespace mole
