#include "WindowlessAccessible.h"

#include "shell/layer/Control.h"
#include "shell/layer/Label.h"
#include "shell/layer/qt/FormAccessible.h"
#include "shell/layer/qt/Toolkit.h"

#include <QWidget>

#include <algorithm>

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
    FormAccessible *form = FormAccessible::of(&m_window);
    if (form && m_control.statusBar())
        return form->interfaceOf(*m_control.statusBar());
    return QAccessible::queryAccessibleInterface(&m_window);
}

std::vector<const WindowlessControl *> WindowlessAccessible::namedParts() const
{
    std::vector<const WindowlessControl *> named;
    for (const WindowlessControl *part : m_control.statusBarParts())
        if (!nameOf(*part).isEmpty())
            named.push_back(part);
    return named;
}

QAccessibleInterface *WindowlessAccessible::childAt(int x, int y) const
{
    for (int i = childCount() - 1; i >= 0; --i)
        if (QAccessibleInterface *part = child(i); part && part->rect().contains(x, y))
            return part;
    return nullptr;
}

QAccessibleInterface *WindowlessAccessible::child(int index) const
{
    FormAccessible *form = FormAccessible::of(&m_window);
    const std::vector<const WindowlessControl *> named = namedParts();
    if (!form || index < 0 || index >= static_cast<int>(named.size()))
        return nullptr;
    return form->interfaceOf(*named[static_cast<std::size_t>(index)]);
}

int WindowlessAccessible::childCount() const
{
    return static_cast<int>(namedParts().size());
}

int WindowlessAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *part = dynamic_cast<const WindowlessAccessible *>(child);
    if (!part)
        return -1;
    const std::vector<const WindowlessControl *> named = namedParts();
    const auto found = std::find(named.begin(), named.end(), &part->control());
    return found == named.end() ? -1 : static_cast<int>(found - named.begin());
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
    if (!m_control.statusBarParts().empty())
        return QAccessible::StatusBar;
    return dynamic_cast<const Label *>(&m_control) ? QAccessible::StaticText : QAccessible::Graphic;
}

QAccessible::State WindowlessAccessible::state() const
{
    QAccessible::State state;
    state.disabled = !m_control.Enabled();
    state.invisible = !m_window.isVisible();
    return state;
}

void *WindowlessAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface && role() == QAccessible::StaticText)
        return static_cast<QAccessibleTextInterface *>(this);
    return nullptr;
}

QString WindowlessAccessible::text(int startOffset, int endOffset) const
{
    // An end of -1 reads to the end of the text.
    return nameOf(m_control).mid(startOffset, endOffset < 0 ? -1 : endOffset - startOffset);
}

int WindowlessAccessible::characterCount() const
{
    return static_cast<int>(nameOf(m_control).size());
}

QRect WindowlessAccessible::characterRect(int offset) const
{
    return offset >= 0 && offset < characterCount() ? rect() : QRect();
}

int WindowlessAccessible::offsetAtPoint(const QPoint &point) const
{
    return rect().contains(point) && characterCount() > 0 ? 0 : -1;
}

QString WindowlessAccessible::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}
