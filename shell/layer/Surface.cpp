#include "Surface.h"

#include "shell/layer/qt/Toolkit.h"

#include <algorithm>
#include <cstring>

Surface::Surface()
    : m_pixels(std::make_unique<Pixels>())
{
}

Surface::~Surface() = default;

void Surface::resize(int width, int height)
{
    m_pixels->image = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32_Premultiplied);
    m_pixels->image.fill(Qt::transparent);
}

void Surface::clear()
{
    m_pixels->image.fill(Qt::transparent);
}

int Surface::width() const
{
    return m_pixels->image.width();
}

int Surface::height() const
{
    return m_pixels->image.height();
}

int BitBlt(HDC dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, HDC src,
           std::int32_t xSrc, std::int32_t ySrc, std::uint32_t rop)
{
    if (!dst || !src || rop != SRCCOPY || width < 0 || height < 0)
        return 0;
    // Clip in 64 bits: coordinates near the ends of the 32-bit range must not wrap.
    std::int64_t left = 0, top = 0, right = width, bottom = height; // block coordinates
    const auto clipTo = [&](std::int64_t originX, std::int64_t originY, std::int64_t w, std::int64_t h) {
        left = std::max(left, -originX);
        top = std::max(top, -originY);
        right = std::min(right, w - originX);
        bottom = std::min(bottom, h - originY);
    };
    clipTo(xSrc, ySrc, src->width(), src->height());
    clipTo(x, y, dst->width(), dst->height());
    if (left >= right || top >= bottom)
        return 1;

    const QImage &from = src->m_pixels->image;
    QImage &to = dst->m_pixels->image;
    const auto rowBytes = static_cast<std::size_t>(right - left) * 4;
    for (std::int64_t row = top; row < bottom; ++row) {
        const uchar *in = from.constScanLine(static_cast<int>(ySrc + row)) + (xSrc + left) * 4;
        uchar *out = to.scanLine(static_cast<int>(y + row)) + (x + left) * 4;
        std::memmove(out, in, rowBytes);
    }
    if (dst->m_changed)
        dst->m_changed(static_cast<int>(x + left), static_cast<int>(y + top), static_cast<int>(right - left),
                       static_cast<int>(bottom - top));
    return 1;
}

const QImage &toolkit::image(const Surface &surface)
{
    return surface.pixels().image;
}

void toolkit::setImage(Surface &surface, const QImage &image)
{
    surface.pixels().image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}
