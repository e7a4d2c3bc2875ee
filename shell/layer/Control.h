#pragma once

#include "shell/layer/Look.h"

#include <initializer_list>
#include <string>
#include <vector>

class Form;
class Painter;

// A control on a window: position and size in twips, kept exactly as written
// and read back unchanged; it is shown at the nearest pixel.
class Control {
public:
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    float Left() const { return m_place.left; }
    float Top() const { return m_place.top; }
    float Width() const { return m_place.width; }
    float Height() const { return m_place.height; }
    void setLeft(float value);
    void setTop(float value);
    void setWidth(float value);
    void setHeight(float value);

    bool Enabled() const { return m_enabled; }
    void setEnabled(bool enabled);

    // What a screen reader calls the control; a label without one is called by its caption.
    const std::string &AccessibleName() const { return m_accessibleName; }
    void setAccessibleName(std::string name);

    // The area it covers on the window, in pixels.
    PixelRect pixelRect() const;

protected:
    Control(Form &form, const TwipRect &place, bool enabled);
    Form &form() const { return m_form; }
    // The control moved or changed size; `before` is the area it covered.
    virtual void placeChanged(const PixelRect &before) = 0;
    virtual void enabledChanged() {}
    virtual void accessibleNameChanged() {}

private:
    void move(const TwipRect &place);

    Form &m_form;
    TwipRect m_place;
    std::string m_accessibleName;
    bool m_enabled = true;
};

// A control without a window of its own: the form paints it beneath what is
// drawn on its surface, in the order the controls were made (the first at the back).
class WindowlessControl : public Control {
public:
    // Painter is the toolkit's painter behind the layer (qt/Toolkit.h).
    virtual void paint(Painter &painter) const = 0;

    // A screen reader reads this control as a status bar holding these parts, in this order.
    void setStatusBarParts(std::initializer_list<WindowlessControl *> parts);
    const std::vector<const WindowlessControl *> &statusBarParts() const { return m_statusBarParts; }
    // The status bar that holds this control, if any.
    const WindowlessControl *statusBar() const { return m_statusBar; }

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
    std::vector<const WindowlessControl *> m_statusBarParts;
    const WindowlessControl *m_statusBar = nullptr;
};
