#include "PictureBox.h"

#include "Form.h"
#include "PictureWindow.h"

#include <QImage>

PictureBox::PictureBox(Form &form, const TwipRect &place, bool enabled, bool autoSize)
    : Control(form, place, enabled),
      m_window(std::make_unique<PictureWindow>(*this, form.widget())),
      m_autoSize(autoSize)
{
    m_window->setGeometry(pixelRect());
    m_window->setEnabled(enabled);
    m_surface.setChangeHandler([this](int x, int y, int w, int h) {
        m_window->update(x + borderPixels, y + borderPixels, w, h);
    });
}

PictureBox::~PictureBox() = default;

void PictureBox::setPicture(const Picture &picture)
{
    m_picture = picture;
    m_surface.setImage(picture.image());
    if (m_autoSize) {
        setWidth(static_cast<float>((picture.width() + 2 * borderPixels) * 15));
        setHeight(static_cast<float>((picture.height() + 2 * borderPixels) * 15));
    }
    m_window->update();
}

void PictureBox::placeChanged(const QRect &)
{
    m_window->setGeometry(pixelRect());
}

void PictureBox::enabledChanged()
{
    m_window->setEnabled(Enabled());
}

void PictureBox::accessibleNameChanged()
{
    m_window->setAccessibleName(QString::fromStdString(AccessibleName()));
}
