#pragma once

#include "shell/layer/WindowlessControl.h"

// A borderless filled circle; it takes no events and no focus.
class Shape : public WindowlessControl {
public:
    Shape(Form &form, const TwipRect &place, Colour fill);

    void paint(Painter &painter) const override;

private:
    Colour m_fill;
};
