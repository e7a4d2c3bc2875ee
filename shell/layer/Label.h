#pragma once

#include "shell/layer/Control.h"

#include <string>

// A text label without a window of its own, opaque in the button-face colour.
// Its Caption keeps exactly the string written; a CR LF shows as a line break.
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

private:
    std::string m_caption;
    FontSpec m_font;
};
