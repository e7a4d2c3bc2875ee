#pragma once

#include "shell/layer/Pixels.h"

#include <cstdint>
#include <functional>

// A drawing context: pixels that keep what is drawn on them. A window's
// surface starts transparent, so whatever the window paints beneath shows
// through wherever nothing has been copied.
class Surface {
public:
    using ChangeHandler = std::function<void(int x, int y, int width, int height)>;

    Surface() = default;
    Surface(const Surface &) = delete;
    Surface &operator=(const Surface &) = delete;

    void resize(int width, int height); // pixels; wipes the surface
    void clear();                        // back to transparent
    // Takes a copy of these pixels, at their size.
    void setPixels(const Pixels &pixels);
    // For the toolkit behind the layer (qt/Toolkit.h).
    const Pixels &pixels() const { return m_pixels; }
    int width() const { return m_pixels.width; }
    int height() const { return m_pixels.height; }

    // Told of every area that a copy onto this surface changed.
    void setChangeHandler(ChangeHandler handler) { m_changed = std::move(handler); }

private:
    friend int BitBlt(Surface *, std::int32_t, std::int32_t, std::int32_t, std::int32_t, Surface *,
                      std::int32_t, std::int32_t, std::uint32_t);
    Pixels m_pixels;
    ChangeHandler m_changed;
};

using HDC = Surface *;

inline constexpr std::uint32_t SRCCOPY = 0xCC0020;

// Copies a width x height block from (xSrc, ySrc) of src to (x, y) of dst.
// Only pixels that lie inside both surfaces are copied. Returns non-zero on success.
int BitBlt(HDC dst, std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height, HDC src,
           std::int32_t xSrc, std::int32_t ySrc, std::uint32_t rop);
