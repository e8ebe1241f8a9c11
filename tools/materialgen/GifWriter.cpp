#include "GifWriter.h"

#include <QHash>

#include <algorithm>
#include <gif_lib.h>
#include <memory>
#include <vector>

namespace {

QString gifError(const char* step, int code) {
    const char* text = GifErrorString(code);
    return QStringLiteral("%1: %2").arg(QLatin1String(step),
                                        QLatin1String(text ? text : "unknown error"));
}

// The exact colours of the picture, in order of first appearance.
bool exactPalette(const QImage& rgb, std::vector<QRgb>& colours,
                  std::vector<GifByteType>& indices) {
    QHash<QRgb, int> index;
    indices.resize(static_cast<std::size_t>(rgb.width()) * static_cast<std::size_t>(rgb.height()));
    std::size_t k = 0;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = line[x] | 0xFF000000u;
            auto it = index.find(c);
            if (it == index.end()) {
                if (colours.size() == 256)
                    return false;
                it = index.insert(c, static_cast<int>(colours.size()));
                colours.push_back(c);
            }
            indices[k++] = static_cast<GifByteType>(it.value());
        }
    }
    return true;
}

// giflib's output callback: the bytes go to the QByteArray of UserData.
int appendBytes(GifFileType* gif, const GifByteType* bytes, int length) {
    static_cast<QByteArray*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
    return length;
}

} // namespace

QString encodeGif(const QImage& image, QByteArray& out, std::optional<QRgb> transparent) {
    out.clear();
    if (image.isNull())
        return QStringLiteral("empty picture");
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> colours;
    std::vector<GifByteType> indices;
    if (!exactPalette(rgb, colours, indices))
        return QStringLiteral("more than 256 colours");

    // The colour map must have a power-of-two size (at least 2 entries).
    int mapSize = 2;
    while (mapSize < static_cast<int>(colours.size()))
        mapSize *= 2;
    std::vector<GifColorType> map(static_cast<std::size_t>(mapSize), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < colours.size(); ++i)
        map[i] = GifColorType{static_cast<GifByteType>(qRed(colours[i])),
                              static_cast<GifByteType>(qGreen(colours[i])),
                              static_cast<GifByteType>(qBlue(colours[i]))};
    std::unique_ptr<ColorMapObject, void (*)(ColorMapObject*)> colorMap(
        GifMakeMapObject(mapSize, map.data()), GifFreeMapObject);
    if (!colorMap)
        return QStringLiteral("GifMakeMapObject failed");

    // Not EGifOpenFileName: it creates the file readable by its owner only.
    int error = 0;
    GifFileType* gif = EGifOpen(&out, appendBytes, &error);
    if (!gif)
        return gifError("EGifOpen", error);
    auto closeWith = [&](const QString& failure) {
        int closeError = 0;
        if (EGifCloseFile(gif, &closeError) != GIF_OK && failure.isEmpty())
            return gifError("EGifCloseFile", closeError);
        return failure;
    };

    EGifSetGifVersion(gif, true);
    if (EGifPutScreenDesc(gif, rgb.width(), rgb.height(), 8, 0, colorMap.get()) != GIF_OK)
        return closeWith(gifError("EGifPutScreenDesc", gif->Error));
    if (transparent) {
        const auto it = std::find(colours.begin(), colours.end(), *transparent | 0xFF000000u);
        if (it != colours.end()) {
            GraphicsControlBlock gcb{DISPOSAL_UNSPECIFIED, false, 0,
                                     static_cast<int>(it - colours.begin())};
            GifByteType extension[4];
            const std::size_t length = EGifGCBToExtension(&gcb, extension);
            if (EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(length),
                                 extension) != GIF_OK)
                return closeWith(gifError("EGifPutExtension", gif->Error));
        }
    }
    if (EGifPutImageDesc(gif, 0, 0, rgb.width(), rgb.height(), false, nullptr) != GIF_OK)
        return closeWith(gifError("EGifPutImageDesc", gif->Error));
    for (int y = 0; y < rgb.height(); ++y) {
        GifByteType* row =
            indices.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(rgb.width());
        if (EGifPutLine(gif, row, rgb.width()) != GIF_OK)
            return closeWith(gifError("EGifPutLine", gif->Error));
    }
    return closeWith({});
}
