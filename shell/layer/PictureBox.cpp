#include "PictureBox.h"

#include "shell/layer/Form.h"
#include "shell/layer/qt/PictureWindow.h"
#include "shell/layer/qt/Toolkit.h"

PictureBox::PictureBox(Form &form, const TwipRect &place, const Design &design)
    : Control(form, place, design.enabled),
      m_window(std::make_unique<PictureWindow>(*this, toolkit::widget(form))),
      m_autoSize(design.autoSize)
{
    m_window->setGeometry(toolkit::rect(pixelRect()));
    m_window->setEnabled(design.enabled);
    m_surface.setChangeHandler([this](int x, int y, int w, int h) {
        m_window->update(x + borderPixels, y + borderPixels, w, h);
    });
}

PictureBox::~PictureBox() = default;

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    toolkit::setImage(m_surface, toolkit::image(picture));
    if (m_autoSize) {
        setWidth(pixelsToTwips(picture.width() + 2 * borderPixels));
        setHeight(pixelsToTwips(picture.height() + 2 * borderPixels));
    }
    m_window->update();
}

void PictureBox::placeChanged(const PixelRect &)
{
    m_window->setGeometry(toolkit::rect(pixelRect()));
}

void PictureBox::enabledChanged()
{
    m_window->setEnabled(Enabled());
}

void PictureBox::accessibleNameChanged()
{
    m_window->setAccessibleName(toolkit::text(AccessibleName()));
}
