#include "CommandButton.h"

#include "shell/layer/Backend.h"

#include <utility>

CommandButton::CommandButton(Form &form, const TwipRect &place, const std::string &caption,
                             const FontSpec &font, Colour background, std::function<void()> click)
    : WindowedControl(form, place, true,
                      Backend::current().makeButton(form, caption, font, background, std::move(click))),
      m_caption(caption)
{
}

void CommandButton::SetFocus()
{
    window().setFocus();
}
