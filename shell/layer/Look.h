#pragma once

#include <cstdint>
#include <string>

// Colours and fonts as the windows are designed with them.
struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour &, const Colour &) = default;
};

// The classic standard desktop scheme: grey buttons and panels, white window background.
namespace systemColour {
inline constexpr Colour buttonFace{0xC0, 0xC0, 0xC0};
inline constexpr Colour buttonText{0x00, 0x00, 0x00};
inline constexpr Colour windowBackground{0xFF, 0xFF, 0xFF};
// Disabled text, the shadowed side of a sunken edge, and the buttons' edge.
inline constexpr Colour grey{0x80, 0x80, 0x80};
} // namespace systemColour

namespace colour {
inline constexpr Colour black{0x00, 0x00, 0x00};
inline constexpr Colour white{0xFF, 0xFF, 0xFF};
} // namespace colour

struct FontSpec {
    std::string family;
    float points = 8.0f;
    bool bold = false;
};

// Fifteen twips make one pixel, on every screen: no game rule depends on its resolution.
inline constexpr int twipsPerPixel = 15;

// Where it is drawn, in twips, in the window's client coordinates.
struct TwipRect {
    float left = 0.0f;
    float top = 0.0f;
    float width = 0.0f;
    float height = 0.0f;
};

// An area in whole pixels, in the window's client coordinates.
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    friend bool operator==(const PixelRect &, const PixelRect &) = default;
};

// Pixels that a twip value lands on: the nearest whole pixel.
int twipsToPixels(float twips);
// Twips that a whole number of pixels covers.
constexpr float pixelsToTwips(int pixels)
{
    return static_cast<float>(pixels * twipsPerPixel);
}
