#pragma once

#include <QImage>
#include <QString>

// Writes a picture as a GIF with giflib (Qt reads GIF but cannot write it).
// The picture must have at most 256 colours: the material is drawn onto
// solid backgrounds, so that holds. Returns an empty string on success, else
// what went wrong.
QString writeGif(const QImage& image, const QString& path);
