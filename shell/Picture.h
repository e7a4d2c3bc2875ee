#pragma once

#include <memory>
#include <string>

class QImage;

// A bitmap that a picture box shows. Copies share the pixels; a picture never changes.
class Picture {
public:
    Picture() = default;
    // Loads a picture built into the program; an unreadable one is a "File not found" error.
    static Picture fromResource(const std::string &name);
    static Picture fromImage(const QImage &image);

    bool isNull() const { return !m_image; }
    int width() const;  // pixels
    int height() const; // pixels
    const QImage &image() const;

private:
    std::shared_ptr<const QImage> m_image;
};
