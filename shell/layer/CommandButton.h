#pragma once

#include "shell/layer/WindowedControl.h"

#include <functional>
#include <string>

// A push button. An "&" in its caption marks the access key: the next letter is
// underlined and Alt with that letter presses the button. Buttons take the
// keyboard focus in the order they were made.
class CommandButton : public WindowedControl {
public:
    CommandButton(Form &form, const TwipRect &place, const std::string &caption, const FontSpec &font,
                  Colour background, std::function<void()> click);

    const std::string &Caption() const { return m_caption; }
    void SetFocus();

private:
    std::string m_caption;
};
