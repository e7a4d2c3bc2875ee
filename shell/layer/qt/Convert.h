#pragma once

// The layer's rectangles, texts and pixels as the toolkit takes them, and back.

#include "shell/layer/Look.h"
#include "shell/layer/Pixels.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <string>

class Surface;

namespace toolkit {

inline QRect rect(const PixelRect &area)
{
    return {area.left, area.top, area.width, area.height};
}

inline PixelRect pixelRect(const QRect &area)
{
    return {area.x(), area.y(), area.width(), area.height()};
}

// Every caption, title and name the game gives the layer is UTF-8.
inline QString text(const std::string &utf8)
{
    return QString::fromStdString(utf8);
}

// The surface's pixels as an image that shares them, valid while the surface keeps its size.
QImage image(const Surface &surface);
void setImage(Surface &surface, const QImage &image);
// A copy of the image's pixels, premultiplied.
Pixels pixels(const QImage &image);

} // namespace toolkit
