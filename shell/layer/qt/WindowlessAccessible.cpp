#include "WindowlessAccessible.h"

#include "shell/layer/Form.h"
#include "shell/layer/WindowlessControl.h"
#include "shell/layer/qt/FormWindow.h"
#include "shell/layer/qt/Convert.h"

#include <algorithm>

WindowlessAccessible::WindowlessAccessible(std::uint64_t serial, FormWindow &window)
    : m_serial(serial), m_window(&window)
{
}

QAccessibleInterface *WindowlessAccessible::of(FormWindow &window, const WindowlessControl &control)
{
    auto &ids = window.accessibleIds();
    auto found = ids.find(control.serial());
    if (found == ids.end())
        found = ids.emplace(control.serial(), QAccessible::registerAccessibleInterface(
                                                  new WindowlessAccessible(control.serial(), window)))
                    .first;
    return QAccessible::accessibleInterface(found->second);
}

const WindowlessControl *WindowlessAccessible::holderOf(const Form &form, const WindowlessControl &control)
{
    for (const WindowlessControl *holder : form.windowlessControls()) {
        const std::vector<const WindowlessControl *> parts = holder->accessibleParts();
        if (std::find(parts.begin(), parts.end(), &control) != parts.end())
            return holder;
    }
    return nullptr;
}

QAccessible::Role WindowlessAccessible::roleOf(const WindowlessControl &control)
{
    switch (control.accessibleRole()) {
    case AccessibleRole::StaticText: return QAccessible::StaticText;
    case AccessibleRole::StatusBar: return QAccessible::StatusBar;
    case AccessibleRole::Graphic: break;
    }
    return QAccessible::Graphic;
}

const WindowlessControl *WindowlessAccessible::control() const
{
    if (m_window)
        for (const WindowlessControl *control : m_window->form().windowlessControls())
            if (control->serial() == m_serial)
                return control;
    return nullptr;
}

QString WindowlessAccessible::name() const
{
    const WindowlessControl *shown = control();
    return shown ? toolkit::text(shown->accessibleText()) : QString();
}

QWindow *WindowlessAccessible::window() const
{
    return m_window ? m_window->windowHandle() : nullptr;
}

QAccessibleInterface *WindowlessAccessible::parent() const
{
    const WindowlessControl *shown = control();
    if (!shown)
        return nullptr;
    const WindowlessControl *holder = holderOf(m_window->form(), *shown);
    return holder ? of(*m_window, *holder) : QAccessible::queryAccessibleInterface(m_window);
}

std::vector<const WindowlessControl *> WindowlessAccessible::namedParts() const
{
    std::vector<const WindowlessControl *> named;
    if (const WindowlessControl *shown = control())
        for (const WindowlessControl *part : shown->accessibleParts())
            if (!part->accessibleText().empty())
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
    const std::vector<const WindowlessControl *> named = namedParts();
    if (index < 0 || index >= static_cast<int>(named.size()))
        return nullptr;
    return of(*m_window, *named[static_cast<std::size_t>(index)]);
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
    const auto found = std::find(named.begin(), named.end(), part->control());
    return found == named.end() ? -1 : static_cast<int>(found - named.begin());
}

QString WindowlessAccessible::text(QAccessible::Text kind) const
{
    return kind == QAccessible::Name ? name() : QString();
}

QRect WindowlessAccessible::rect() const
{
    const WindowlessControl *shown = control();
    if (!shown)
        return {};
    // In screen coordinates, whole even where it reaches beyond the client area,
    // as a child window's is: a screen reader takes an empty one for a thing with no place.
    const QRect area = toolkit::rect(shown->pixelRect());
    return {m_window->mapToGlobal(area.topLeft()), area.size()};
}

QAccessible::Role WindowlessAccessible::role() const
{
    const WindowlessControl *shown = control();
    return shown ? roleOf(*shown) : QAccessible::NoRole;
}

QAccessible::State WindowlessAccessible::state() const
{
    QAccessible::State state;
    const WindowlessControl *shown = control();
    state.disabled = shown && !shown->Enabled();
    state.invisible = !shown || !m_window->isVisible();
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
    return name().mid(startOffset, endOffset < 0 ? -1 : endOffset - startOffset);
}

int WindowlessAccessible::characterCount() const
{
    return static_cast<int>(name().size());
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
