#include "PictureBox.h"

#include "shell/layer/Backend.h"

PictureBox::PictureBox(Form &form, const TwipRect &place, const Design &design)
    : WindowedControl(form, place, design.enabled, Backend::current().makePictureWindow(form, *this)),
      m_autoSize(design.autoSize)
{
    m_surface.setChangeHandler([this](int x, int y, int w, int h) {
        window().repaint({x + borderPixels, y + borderPixels, w, h});
    });
}

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    m_surface.setPixels(picture.pixels() ? *picture.pixels() : Pixels{});
    if (m_autoSize) {
        setWidth(pixelsToTwips(picture.width() + 2 * borderPixels));
        setHeight(pixelsToTwips(picture.height() + 2 * borderPixels));
    }
    const PixelRect area = pixelRect();
    window().repaint({0, 0, area.width, area.height});
}
