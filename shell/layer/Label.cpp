#include "Label.h"

#include "shell/layer/qt/QtLook.h"
#include "shell/layer/qt/Toolkit.h"

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

void Label::paint(Painter &on) const
{
    QPainter &painter = on.qt;
    const QRect area = toolkit::rect(pixelRect());
    painter.fillRect(area, toQColor(systemColour::buttonFace));
    if (m_caption.empty())
        return;
    QString text = toolkit::text(m_caption);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    painter.setFont(toQFont(m_font));
    painter.setPen(toQColor(Enabled() ? systemColour::buttonText : systemColour::grey));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}
