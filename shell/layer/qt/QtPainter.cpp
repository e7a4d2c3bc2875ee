#include "QtPainter.h"

#include "shell/layer/qt/QtLook.h"
#include "shell/layer/qt/Convert.h"

#include <QPainter>

void QtPainter::fill(const PixelRect &area, Colour colour)
{
    m_painter.fillRect(toolkit::rect(area), toQColor(colour));
}

void QtPainter::fillEllipse(const PixelRect &area, Colour colour)
{
    m_painter.save();
    m_painter.setRenderHint(QPainter::Antialiasing, true);
    m_painter.setPen(Qt::NoPen);
    m_painter.setBrush(toQColor(colour));
    m_painter.drawEllipse(toolkit::rect(area));
    m_painter.restore();
}

void QtPainter::drawText(const PixelRect &area, const std::string &text, const FontSpec &font, Colour colour)
{
    QString lines = toolkit::text(text);
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    m_painter.setFont(toQFont(font));
    m_painter.setPen(toQColor(colour));
    m_painter.drawText(toolkit::rect(area), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, lines);
}
