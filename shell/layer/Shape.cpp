#include "Shape.h"

#include "shell/layer/qt/QtLook.h"
#include "shell/layer/qt/Toolkit.h"

Shape::Shape(Form &form, const TwipRect &place, Colour fill)
    : WindowlessControl(form, place, true), m_fill(fill)
{
}

void Shape::paint(Painter &on) const
{
    QPainter &painter = on.qt;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(Qt::NoPen);
    painter.setBrush(toQColor(m_fill));
    painter.drawEllipse(toolkit::rect(pixelRect()));
    painter.restore();
}
