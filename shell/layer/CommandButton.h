#pragma once

#include "shell/layer/Control.h"

#include <functional>
#include <memory>
#include <string>

class PushButton;

// A push button. An "&" in its caption marks the access key: the next letter is
// underlined and Alt with that letter presses the button. Buttons take the
// keyboard focus in the order they were made.
class CommandButton : public Control {
public:
    CommandButton(Form &form, const TwipRect &place, const std::string &caption, const FontSpec &font,
                  Colour background, std::function<void()> click);
    ~CommandButton() override;

    const std::string &Caption() const { return m_caption; }
    void SetFocus();
    // The toolkit's button, reached through qt/Toolkit.h.
    PushButton &button() const { return *m_button; }

protected:
    void placeChanged(const PixelRect &before) override;
    void enabledChanged() override;

private:
    std::unique_ptr<PushButton> m_button;
    std::string m_caption;
};
