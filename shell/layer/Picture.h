#pragma once

#include <memory>
#include <string>
#include <utility>

struct Pixels;

// A bitmap that a picture box shows. Copies share the pixels; a picture never changes.
class Picture {
public:
    Picture() = default;
    // Loads a picture built into the program; an unreadable one is a "File not found" error.
    static Picture fromResource(const std::string &name);
    // For the toolkit behind the layer (qt/Toolkit.h).
    explicit Picture(std::shared_ptr<const Pixels> pixels) : m_pixels(std::move(pixels)) {}
    const Pixels *pixels() const { return m_pixels.get(); }

    bool isNull() const { return !m_pixels; }
    int width() const;  // pixels
    int height() const; // pixels

private:
    std::shared_ptr<const Pixels> m_pixels;
};
