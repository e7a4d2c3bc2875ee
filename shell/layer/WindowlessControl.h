#pragma once

#include "shell/layer/Control.h"

#include <cstdint>
#include <vector>

class Painter;

// What a screen reader takes a windowless control for.
enum class AccessibleRole {
    Graphic,
    StaticText,
    StatusBar,
};

// A control without a window of its own: the form paints it beneath what is
// drawn on its surface, in the order the controls were made (the first at the
// back). It is registered with its form while it lives.
class WindowlessControl : public Control {
public:
    ~WindowlessControl() override;

    // Tells this control from any other made in the program's run, without its address.
    std::uint64_t serial() const { return m_serial; }

    virtual void paint(Painter &painter) const = 0;
    virtual AccessibleRole accessibleRole() const { return AccessibleRole::Graphic; }
    // What a screen reader reads for it: its given name, unless it says otherwise.
    virtual std::string accessibleText() const { return AccessibleName(); }
    // The controls a screen reader finds inside this one, in order.
    virtual std::vector<const WindowlessControl *> accessibleParts() const { return {}; }
    // Another control of the form went away: this one holds it no longer.
    virtual void forget(const WindowlessControl &gone) { (void)gone; }

protected:
    WindowlessControl(Form &form, const TwipRect &place, bool enabled);
    void placeChanged(const PixelRect &before) override;
    // Painted afresh, in its enabled or its greyed look, and told to a screen reader.
    void enabledChanged() override;
    void accessibleNameChanged() override;
    void repaint() const;
    // Tells a listening screen reader that what it reads for the control changed;
    // costs a flag test when none listens.
    void announceName() const;

private:
    const std::uint64_t m_serial;
};
