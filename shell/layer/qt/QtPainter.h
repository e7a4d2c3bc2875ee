#pragma once

#include "shell/layer/Painter.h"

class QPainter;

// The painter a form's window hands its windowless controls.
class QtPainter : public Painter {
public:
    explicit QtPainter(QPainter &painter) : m_painter(painter) {}

    void fill(const PixelRect &area, Colour colour) override;
    void fillEllipse(const PixelRect &area, Colour colour) override;
    void drawText(const PixelRect &area, const std::string &text, const FontSpec &font, Colour colour) override;

private:
    QPainter &m_painter;
};
