#pragma once

#include <QAccessible>

class QWidget;

// What the Qt backend tells screen readers beyond what Qt works out itself.
namespace quillory {

struct ControlLayout;

// While it lives, the program's windows are presented to screen readers as
// windows (Qt 6.4.2 presents a bare client area: see the screen-reader test's
// "Quillory 1.0 frame"), and their one-line boxes as LineBox describes. Qt
// connects to a screen reader while the program starts, and a window active
// by then would go unspoken: so the active window and its focus are
// announced again once Qt connects.
class AccessibleInterfaces final : public QAccessible::ActivationObserver {
public:
    AccessibleInterfaces();
    ~AccessibleInterfaces() override;
    AccessibleInterfaces(const AccessibleInterfaces&) = delete;
    AccessibleInterfaces& operator=(const AccessibleInterfaces&) = delete;

    void accessibilityActiveChanged(bool active) override;
};

// Gives the control the accessible name its layout records, if any.
void applyAccessibleName(QWidget& widget, const ControlLayout& control);

}  // namespace quillory
