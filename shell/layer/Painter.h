#pragma once

#include "shell/layer/Look.h"

#include <string>

// What a windowless control paints with when its window paints, in the window's
// client coordinates. The toolkit behind the layer provides it.
class Painter {
public:
    virtual ~Painter() = default;

    virtual void fill(const PixelRect &area, Colour colour) = 0;
    // A filled circle or ellipse with smooth edges, no outline.
    virtual void fillEllipse(const PixelRect &area, Colour colour) = 0;
    // Text from the area's top left, wrapped at words; a CR LF starts a new line.
    virtual void drawText(const PixelRect &area, const std::string &text, const FontSpec &font, Colour colour) = 0;
};
