#include "Shape.h"

#include "QtLook.h"

#include <QPainter>

Shape::Shape(Form &form, const TwipRect &place, Colour fill)
    : WindowlessControl(form, place, true), m_fill(fill)
{
}

void Shape::paint(QPainter &painter) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(m_fill));
    painter.drawEllipse(pixelRect());
    painter.restore();
}
