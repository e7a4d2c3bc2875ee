#include "Screen.h"

#include "shell/layer/Backend.h"
#include "shell/layer/Look.h"
#include "shell/layer/RuntimeError.h"

#include <algorithm>

namespace program {
namespace {

// A size set by a test; none while 0.
int screenPixelsWide = 0;
int screenPixelsHigh = 0;

// The primary monitor's place on the desktop, in pixels; a size set by a test
// stands at the desktop's corner.
PixelRect screenPixels()
{
    if (screenPixelsWide > 0)
        return {0, 0, screenPixelsWide, screenPixelsHigh};
    const PixelRect screen = Backend::current().primaryScreen();
    if (screen.width <= 0 || screen.height <= 0)
        throw RuntimeError(ErrorKind::PropertyAccess, "the screen's size is not known");
    return screen;
}

} // namespace

float screenWidth()
{
    return pixelsToTwips(screenPixels().width);
}

float screenHeight()
{
    return pixelsToTwips(screenPixels().height);
}

PixelPoint placeOnScreen(int outerWidth, int outerHeight)
{
    const PixelRect screen = screenPixels();
    return {screen.left + std::max(0, (screen.width - outerWidth) / 2),
            screen.top + std::max(0, (screen.height - outerHeight) / 2)};
}

void setScreenPixels(int width, int height)
{
    screenPixelsWide = width;
    screenPixelsHigh = height;
}

} // namespace program
