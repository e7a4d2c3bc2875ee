#include "Surface.h"

#include <algorithm>
#include <cstring>

void Surface::resize(int width, int height)
{
    m_pixels.width = std::max(width, 0);
    m_pixels.height = std::max(height, 0);
    m_pixels.argb.assign(static_cast<std::size_t>(m_pixels.width) * static_cast<std::size_t>(m_pixels.height), 0);
}

void Surface::clear()
{
    std::fill(m_pixels.argb.begin(), m_pixels.argb.end(), 0);
}

void Surface::setPixels(const Pixels &pixels)
{
    m_pixels = pixels;
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

    const auto at = [](const Pixels &pixels, std::int64_t px, std::int64_t py) {
        return static_cast<std::size_t>(py * pixels.width + px);
    };
    const std::uint32_t *from = src->m_pixels.argb.data();
    std::uint32_t *to = dst->m_pixels.argb.data();
    const auto rowBytes = static_cast<std::size_t>(right - left) * sizeof(std::uint32_t);
    for (std::int64_t row = top; row < bottom; ++row)
        std::memmove(to + at(dst->m_pixels, x + left, y + row), from + at(src->m_pixels, xSrc + left, ySrc + row),
                     rowBytes);
    if (dst->m_changed)
        dst->m_changed(static_cast<int>(x + left), static_cast<int>(y + top), static_cast<int>(right - left),
                       static_cast<int>(bottom - top));
    return 1;
}
