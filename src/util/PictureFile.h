#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace util {

// The material's pictures are small GIFs, none wider or taller than a window.
// A header claiming more is broken or hostile: decoding it could take
// hundreds of megabytes and seconds, so such a picture counts as unreadable.
constexpr QSize maxPictureSize{2048, 2048};

// Why the picture file at path (a native path) cannot be shown, judged from
// the file and its header without decoding it; empty when it can be read.
QString pictureProblem(const QString& path);

// A material picture, decoded.
struct Picture {
    QImage image;    // null when it cannot be shown
    QString problem; // why not, in Japanese; empty when image is good
};

Picture readPicture(const QString& path);

} // namespace util
