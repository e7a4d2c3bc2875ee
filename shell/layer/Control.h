#pragma once

#include "shell/layer/Look.h"

#include <string>

class Form;

// A control on a window: position and size in twips, kept exactly as written
// and read back unchanged; it is shown at the nearest pixel. Its form outlives it.
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

    // What a screen reader calls the control, when it is given a name.
    const std::string &AccessibleName() const { return m_accessibleName; }
    void setAccessibleName(std::string name);

    // The area it covers on the window, in pixels.
    PixelRect pixelRect() const;

protected:
    Control(Form &form, const TwipRect &place, bool enabled);
    Form &form() const { return m_form; }
    // The control moved or changed size; `before` is the area it covered.
    virtual void placeChanged(const PixelRect &before) = 0;
    virtual void enabledChanged() = 0;
    virtual void accessibleNameChanged() = 0;

private:
    void move(const TwipRect &place);

    Form &m_form;
    TwipRect m_place;
    std::string m_accessibleName;
    bool m_enabled = true;
};
