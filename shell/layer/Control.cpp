#include "Control.h"

#include <cmath>
#include <utility>

int twipsToPixels(float twips)
{
    return static_cast<int>(std::lround(twips / static_cast<float>(twipsPerPixel)));
}

Control::Control(Form &form, const TwipRect &place, bool enabled)
    : m_form(form), m_place(place), m_enabled(enabled)
{
}

PixelRect Control::pixelRect() const
{
    // The size is rounded on its own, so a moving control keeps its size in pixels.
    return {twipsToPixels(m_place.left), twipsToPixels(m_place.top), twipsToPixels(m_place.width),
            twipsToPixels(m_place.height)};
}

void Control::move(const TwipRect &place)
{
    const PixelRect before = pixelRect();
    m_place = place;
    placeChanged(before);
}

void Control::setLeft(float value)
{
    move({value, m_place.top, m_place.width, m_place.height});
}

void Control::setTop(float value)
{
    move({m_place.left, value, m_place.width, m_place.height});
}

void Control::setWidth(float value)
{
    move({m_place.left, m_place.top, value, m_place.height});
}

void Control::setHeight(float value)
{
    move({m_place.left, m_place.top, m_place.width, value});
}

void Control::setEnabled(bool enabled)
{
    if (enabled == m_enabled)
        return;
    m_enabled = enabled;
    enabledChanged();
}

void Control::setAccessibleName(std::string name)
{
    if (name == m_accessibleName)
        return;
    m_accessibleName = std::move(name);
    accessibleNameChanged();
}
