#include "StatusBar.h"

void StatusBar::forget(const WindowlessControl &gone)
{
    std::erase(m_parts, &gone);
}
