#include "CommandButton.h"

#include "shell/layer/Form.h"
#include "shell/layer/Program.h"
#include "shell/layer/qt/PushButton.h"
#include "shell/layer/qt/QtLook.h"
#include "shell/layer/qt/Toolkit.h"

#include <utility>

CommandButton::CommandButton(Form &form, const TwipRect &place, const std::string &caption,
                             const FontSpec &font, Colour background, std::function<void()> click)
    : Control(form, place, true),
      m_button(std::make_unique<PushButton>(toolkit::text(caption), toolkit::widget(form))),
      m_caption(caption)
{
    m_button->setFont(toQFont(font));
    QPalette palette = m_button->palette();
    palette.setColor(QPalette::Button, toQColor(background));
    palette.setColor(QPalette::ButtonText, toQColor(systemColour::buttonText));
    m_button->setPalette(palette);
    m_button->setGeometry(toolkit::rect(pixelRect()));
    QObject::connect(m_button.get(), &QPushButton::clicked, [handler = std::move(click)] {
        program::dispatch(handler);
    });
}

CommandButton::~CommandButton() = default;

void CommandButton::SetFocus()
{
    m_button->setFocus(Qt::OtherFocusReason);
}

void CommandButton::placeChanged(const PixelRect &)
{
    m_button->setGeometry(toolkit::rect(pixelRect()));
}

void CommandButton::enabledChanged()
{
    m_button->setEnabled(Enabled());
}

QPushButton *toolkit::widget(const CommandButton &button)
{
    return &button.button();
}
