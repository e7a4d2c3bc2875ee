#pragma once

#include "shell/layer/WindowlessControl.h"

#include <string>

// A text label without a window of its own, opaque in the button-face colour.
// Its Caption keeps exactly the string written; a CR LF shows as a line break.
// A screen reader reads it as text, by its given name or else by its caption.
class Label : public WindowlessControl {
public:
    struct Design {
        std::string caption;
        FontSpec font;
        bool enabled = true;
    };

    Label(Form &form, const TwipRect &place, Design design);

    const std::string &Caption() const { return m_caption; }
    void setCaption(std::string caption);

    void paint(Painter &painter) const override;
    AccessibleRole accessibleRole() const override { return AccessibleRole::StaticText; }
    std::string accessibleText() const override;

private:
    std::string m_caption;
    FontSpec m_font;
};

// A caption as read aloud: each line break a space, the access-key marks dropped.
std::string spokenCaption(const std::string &caption);
