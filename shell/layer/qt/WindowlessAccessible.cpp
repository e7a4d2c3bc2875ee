#include "WindowlessAccessible.h"

#include "shell/layer/Control.h"
#include "shell/layer/Label.h"

#include "shell/layer/qt/Toolkit.h"

#include <QWidget>

WindowlessAccessible::WindowlessAccessible(const WindowlessControl &control, QWidget &window)
    : m_control(control), m_window(window)
{
}

QString WindowlessAccessible::nameOf(const WindowlessControl &control)
{
    if (!control.AccessibleName().empty())
        return toolkit::text(control.AccessibleName());
    const auto *label = dynamic_cast<const Label *>(&control);
    return label ? spokenCaption(label->Caption()) : QString();
}

QString WindowlessAccessible::spokenCaption(const std::string &caption)
{
    const QString text = toolkit::text(caption);
    QString spoken;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the LF that follows makes the space
        if (c == u'\r' || c == u'\n')
            spoken += u' ';
        else if (c != u'&')
            spoken += c;
        else if (i + 1 < text.size() && text[i + 1] == u'&')
            spoken += text[++i]; // "&&" shows one ampersand
    }
    return spoken;
}

QWindow *WindowlessAccessible::window() const
{
    return m_window.windowHandle();
}

QAccessibleInterface *WindowlessAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(&m_window);
}

QString WindowlessAccessible::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Name ? nameOf(m_control) : QString();
}

QRect WindowlessAccessible::rect() const
{
    // In screen coordinates, whole even where it reaches beyond the client area,
    // as a child window's is: a screen reader takes an empty one for a thing with no place.
    const QRect area = toolkit::rect(m_control.pixelRect());
    return {m_window.mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::Role WindowlessAccessible::role() const
{
    return dynamic_cast<const Label *>(&m_control) ? QAccessible::StaticText : QAccessible::Graphic;
}

QAccessible::State WindowlessAccessible::state() const
{
    QAccessible::State state;
    state.disabled = !m_control.Enabled();
    state.invisible = !m_window.isVisible();
    return state;
}
