#pragma once

#include "shell/layer/Pixels.h"

#include <memory>
#include <string>
#include <utility>

// A bitmap that a picture box shows. Copies share the pixels; a picture never changes.
class Picture {
public:
    Picture() = default;
    explicit Picture(std::shared_ptr<const Pixels> pixels) : m_pixels(std::move(pixels)) {}
    // Loads a picture built into the program; an unreadable one is a "File not found" error.
    static Picture fromResource(const std::string &name);

    // None for the null picture.
    const Pixels *pixels() const { return m_pixels.get(); }
    bool isNull() const { return !m_pixels; }
    int width() const { return m_pixels ? m_pixels->width : 0; }   // pixels
    int height() const { return m_pixels ? m_pixels->height : 0; } // pixels

private:
    std::shared_ptr<const Pixels> m_pixels;
};
