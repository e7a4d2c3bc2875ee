#pragma once

#include "shell/layer/ChildWindow.h"
#include "shell/layer/Control.h"

#include <memory>

// A control with a child window of its own, which it owns: the window shows at
// the control's place, enabled and named as the control is.
class WindowedControl : public Control {
public:
    // The toolkit's window, reached through qt/Toolkit.h.
    ChildWindow &window() const { return *m_window; }

protected:
    WindowedControl(Form &form, const TwipRect &place, bool enabled, std::unique_ptr<ChildWindow> window);
    void placeChanged(const PixelRect &before) override;
    void enabledChanged() override;
    void accessibleNameChanged() override;

private:
    std::unique_ptr<ChildWindow> m_window;
};
