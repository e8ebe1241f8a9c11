#pragma once

#include "Art.h"

#include <QImage>
#include <QSize>
#include <QString>

namespace widgets {

// Pictures of the first screen drawn ahead, at build time, by the same code
// that would draw them live, at scale 1 and 2. With them the menu comes up
// without loading a single font; at any other scale, or where the pictures
// are not linked in, the live drawing is used.
struct PrerenderedPicture {
    QString key; // ASCII, names the PNG: "<key>@<scale>x"
    QSize size;  // logical pixels
    Art art;     // the live drawing
};

// A picture at scale 1 or 2 (premultiplied ARGB32 over static data, so
// nothing is decoded or copied), or a null image.
using PrerenderedLookup = QImage (*)(const QString& key, int scale);

void installPrerenderedPictures(PrerenderedLookup lookup);

// The picture at the given scale; null when not prerendered.
QImage prerenderedImage(const QString& key, int scale);

// Draws a picture live at a scale, on transparency, as it is prerendered.
QImage drawAtScale(const PrerenderedPicture& picture, int scale);

// Draws the prerendered picture when one fits the painter's scale and the
// rectangle, else draws live.
Art prerendered(const QString& key, Art live);

} // namespace widgets
