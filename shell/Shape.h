#pragma once

#include "Control.h"

// A borderless filled circle; it takes no events and no focus.
class Shape : public WindowlessControl {
public:
    Shape(Form &form, const TwipRect &place, Colour fill);

    void paint(QPainter &painter) const override;

private:
    Colour m_fill;
};
