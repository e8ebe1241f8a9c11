#pragma once

#include <QImage>
#include <QString>

#include <optional>

// Writes a picture as a GIF with giflib (Qt reads GIF but cannot write it).
// The picture must have at most 256 colours: the material is drawn onto
// solid backgrounds, so that holds. With `transparent` set, pixels of exactly
// that colour are marked transparent (GIF transparency is on or off, so
// antialiased edges keep the colour they were drawn on). Returns an empty
// string on success, else what went wrong.
QString writeGif(const QImage& image, const QString& path, std::optional<QRgb> transparent = {});
