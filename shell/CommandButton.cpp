#include "CommandButton.h"

#include "Form.h"
#include "Program.h"
#include "PushButton.h"
#include "QtLook.h"

#include <utility>

CommandButton::CommandButton(Form &form, const TwipRect &place, const std::string &caption,
                             const FontSpec &font, Colour background, std::function<void()> click)
    : Control(form, place, true),
      m_button(std::make_unique<PushButton>(QString::fromStdString(caption), form.widget())),
      m_caption(caption)
{
    m_button->setFont(toQFont(font));
    QPalette palette = m_button->palette();
    palette.setColor(QPalette::Button, toQColor(background));
    palette.setColor(QPalette::ButtonText, toQColor(systemColour::buttonText));
    m_button->setPalette(palette);
    m_button->setGeometry(pixelRect());
    QObject::connect(m_button.get(), &QPushButton::clicked, [handler = std::move(click)] {
        program::dispatch(handler);
    });
}

CommandButton::~CommandButton() = default;

void CommandButton::SetFocus()
{
    m_button->setFocus(Qt::OtherFocusReason);
}

void CommandButton::placeChanged(const QRect &)
{
    m_button->setGeometry(pixelRect());
}

void CommandButton::enabledChanged()
{
    m_button->setEnabled(Enabled());
}
