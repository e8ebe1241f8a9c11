#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

// Encodes a picture as GIF bytes with giflib (Qt reads GIF but cannot write
// it). The bytes are made in memory, so the caller writes the file and
// decides its mode. The picture must have at most 256 colours: the material
// is drawn onto solid backgrounds, so that holds. With `transparent` set,
// pixels of exactly that colour are marked transparent (GIF transparency is
// on or off, so antialiased edges keep the colour they were drawn on).
// Returns an empty string on success, else what went wrong.
QString encodeGif(const QImage& image, QByteArray& gif, std::optional<QRgb> transparent = {});
