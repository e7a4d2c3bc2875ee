#pragma once

#include "Control.h"

#include <functional>
#include <memory>
#include <string>

class QPushButton;

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
    QPushButton *widget() const { return m_button.get(); }

protected:
    void placeChanged(const QRect &before) override;
    void enabledChanged() override;

private:
    std::unique_ptr<QPushButton> m_button;
    std::string m_caption;
};
