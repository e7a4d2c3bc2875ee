#pragma once

#include "shell/layer/Look.h"

#include <string>

class WindowlessControl;

// The toolkit's top-level window behind a Form, which owns it. It paints the
// form's background, its windowless controls and its surface, and turns the
// toolkit's window events into the form's handlers.
class WindowPeer {
public:
    virtual ~WindowPeer() = default;

    virtual void setTitle(const std::string &title) = 0;
    virtual void setAccessibleName(const std::string &name) = 0;
    virtual void setAccessibleDescription(const std::string &text) = 0;
    virtual void setClientSize(int width, int height) = 0; // pixels, fixed
    virtual void moveTo(int x, int y) = 0;                 // the outer top-left corner, on the desktop
    virtual bool isVisible() const = 0;
    // Shows the window, raises it and gives it the keyboard; a shown window is
    // brought back from minimised too.
    virtual void show() = 0;
    virtual void hide() = 0;
    // Paints the whole window, or this area of it, at the next turn of the event loop.
    virtual void repaint() = 0;
    virtual void repaint(const PixelRect &area) = 0;

    // Tells a listening screen reader the message once, whatever has the focus.
    virtual void announce(const std::string &message) = 0;
    // Tells a listening screen reader that what it reads for the control changed.
    virtual void nameChanged(const WindowlessControl &control) = 0;
    virtual void enabledChanged(const WindowlessControl &control) = 0;
};
