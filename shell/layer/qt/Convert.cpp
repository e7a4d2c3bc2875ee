#include "Convert.h"

#include "shell/layer/Surface.h"

#include <cstring>

QImage toolkit::image(const Surface &surface)
{
    const Pixels &pixels = surface.pixels();
    return QImage(reinterpret_cast<const uchar *>(pixels.argb.data()), pixels.width, pixels.height,
                  static_cast<qsizetype>(pixels.width) * 4, QImage::Format_ARGB32_Premultiplied);
}

void toolkit::setImage(Surface &surface, const QImage &image)
{
    surface.setPixels(pixels(image));
}

Pixels toolkit::pixels(const QImage &image)
{
    const QImage converted = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Pixels pixels{converted.width(), converted.height(), {}};
    const auto rowLength = static_cast<std::size_t>(pixels.width);
    pixels.argb.resize(rowLength * static_cast<std::size_t>(pixels.height));
    for (int y = 0; y < pixels.height; ++y)
        std::memcpy(pixels.argb.data() + rowLength * static_cast<std::size_t>(y), converted.constScanLine(y),
                    rowLength * sizeof(std::uint32_t));
    return pixels;
}
