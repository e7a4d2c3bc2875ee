#pragma once

#include "shell/layer/Look.h"

#include <string>

// The toolkit's child window behind a control that has one (a button, a picture
// box). Its control owns it; it goes with its control.
class ChildWindow {
public:
    virtual ~ChildWindow() = default;

    virtual void place(const PixelRect &area) = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual void setAccessibleName(const std::string &name) = 0;
    virtual void setFocus() = 0;
    // Paints this area of the window, in its own coordinates, at the next turn of the event loop.
    virtual void repaint(const PixelRect &area) = 0;
};
