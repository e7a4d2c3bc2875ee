#pragma once

#include "shell/layer/Label.h"

#include <initializer_list>
#include <vector>

// A label that a screen reader reads as a status bar holding other controls of
// its form, its parts, in the order given. A part that goes away leaves it.
class StatusBar : public Label {
public:
    using Label::Label;

    void setParts(std::initializer_list<const WindowlessControl *> parts) { m_parts = parts; }

    AccessibleRole accessibleRole() const override { return AccessibleRole::StatusBar; }
    std::vector<const WindowlessControl *> accessibleParts() const override { return m_parts; }
    void forget(const WindowlessControl &gone) override;

private:
    std::vector<const WindowlessControl *> m_parts;
};
