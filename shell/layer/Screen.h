#pragma once

// The screen the windows go on, as the game reads it.
namespace program {

// The screen's size in twips; tests may set a size in pixels.
float screenWidth();
float screenHeight();
void setScreenPixels(int width, int height);

// Where a window of this outer size in pixels goes on the desktop, as the
// position of its outer top-left corner: centred on the screen, and at the
// screen's left or top edge along a side where it does not fit, so that its
// title bar stays in reach. The screen is the primary monitor, which need not
// begin at the desktop's top-left corner.
struct PixelPoint {
    int x = 0;
    int y = 0;
};
PixelPoint placeOnScreen(int outerWidth, int outerHeight);

} // namespace program
