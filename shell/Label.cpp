#include "Label.h"

#include "QtLook.h"

#include <QPainter>

#include <utility>

Label::Label(Form &form, const TwipRect &place, std::string caption, FontSpec font, bool enabled)
    : WindowlessControl(form, place, enabled), m_caption(std::move(caption)), m_font(std::move(font))
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

void Label::paint(QPainter &painter) const
{
    const QRect area = pixelRect();
    painter.fillRect(area, toQColor(systemColour::buttonFace));
    if (m_caption.empty())
        return;
    QString text = QString::fromLatin1(m_caption.data(), static_cast<qsizetype>(m_caption.size()));
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    painter.setFont(toQFont(m_font));
    painter.setPen(toQColor(Enabled() ? systemColour::buttonText : Colour{0x80, 0x80, 0x80}));
    painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}
