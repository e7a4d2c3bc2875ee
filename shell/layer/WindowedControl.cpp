#include "WindowedControl.h"

#include <utility>

WindowedControl::WindowedControl(Form &form, const TwipRect &place, bool enabled,
                                 std::unique_ptr<ChildWindow> window)
    : Control(form, place, enabled), m_window(std::move(window))
{
    m_window->place(pixelRect());
    m_window->setEnabled(enabled);
}

void WindowedControl::placeChanged(const PixelRect &)
{
    m_window->place(pixelRect());
}

void WindowedControl::enabledChanged()
{
    m_window->setEnabled(Enabled());
}

void WindowedControl::accessibleNameChanged()
{
    m_window->setAccessibleName(AccessibleName());
}
