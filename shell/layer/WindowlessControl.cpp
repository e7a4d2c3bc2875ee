#include "WindowlessControl.h"

#include "shell/layer/Form.h"
#include "shell/layer/WindowPeer.h"

namespace {
std::uint64_t madeSoFar = 0;
} // namespace

WindowlessControl::WindowlessControl(Form &form, const TwipRect &place, bool enabled)
    : Control(form, place, enabled), m_serial(++madeSoFar)
{
    form.add(*this);
}

WindowlessControl::~WindowlessControl()
{
    form().remove(*this);
    for (WindowlessControl *other : form().windowlessControls())
        other->forget(*this);
    repaint();
}

void WindowlessControl::placeChanged(const PixelRect &before)
{
    // Only the old and the new area need painting again.
    form().invalidate(before);
    repaint();
}

void WindowlessControl::repaint() const
{
    form().invalidate(pixelRect());
}

void WindowlessControl::enabledChanged()
{
    repaint();
    form().window().enabledChanged(*this);
}

void WindowlessControl::accessibleNameChanged()
{
    announceName();
}

void WindowlessControl::announceName() const
{
    form().window().nameChanged(*this);
}
