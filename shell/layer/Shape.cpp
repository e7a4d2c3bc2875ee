#include "Shape.h"

#include "shell/layer/Painter.h"

Shape::Shape(Form &form, const TwipRect &place, Colour fill)
    : WindowlessControl(form, place, true), m_fill(fill)
{
}

void Shape::paint(Painter &painter) const
{
    painter.fillEllipse(pixelRect(), m_fill);
}
