#include "Label.h"

#include "shell/layer/Painter.h"

#include <utility>

Label::Label(Form &form, const TwipRect &place, Design design)
    : WindowlessControl(form, place, design.enabled), m_caption(std::move(design.caption)),
      m_font(std::move(design.font))
{
}

void Label::setCaption(std::string caption)
{
    if (caption == m_caption)
        return;
    m_caption = std::move(caption);
    repaint();
    announceName();
}

void Label::paint(Painter &painter) const
{
    const PixelRect area = pixelRect();
    painter.fill(area, systemColour::buttonFace);
    if (!m_caption.empty())
        painter.drawText(area, m_caption, m_font, Enabled() ? systemColour::buttonText : systemColour::grey);
}

std::string Label::accessibleText() const
{
    return AccessibleName().empty() ? spokenCaption(m_caption) : AccessibleName();
}

std::string spokenCaption(const std::string &caption)
{
    std::string spoken;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const char c = caption[i];
        if (c == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n')
            continue; // the LF that follows makes the space
        if (c == '\r' || c == '\n')
            spoken += ' ';
        else if (c != '&')
            spoken += c;
        else if (i + 1 < caption.size() && caption[i + 1] == '&')
            spoken += caption[++i]; // "&&" shows one ampersand
    }
    return spoken;
}
