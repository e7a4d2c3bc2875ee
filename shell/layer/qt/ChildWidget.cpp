#include "ChildWidget.h"

#include "shell/layer/qt/Convert.h"

ChildWidget::~ChildWidget()
{
    delete m_widget.data();
}

void ChildWidget::place(const PixelRect &area)
{
    if (m_widget)
        m_widget->setGeometry(toolkit::rect(area));
}

void ChildWidget::setEnabled(bool enabled)
{
    if (m_widget)
        m_widget->setEnabled(enabled);
}

void ChildWidget::setAccessibleName(const std::string &name)
{
    if (m_widget)
        m_widget->setAccessibleName(toolkit::text(name));
}

void ChildWidget::setFocus()
{
    if (m_widget)
        m_widget->setFocus(Qt::OtherFocusReason);
}

void ChildWidget::repaint(const PixelRect &area)
{
    if (m_widget)
        m_widget->update(toolkit::rect(area));
}
