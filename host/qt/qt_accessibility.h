#pragma once

#include <QAccessible>

class QWidget;

// What the Qt backend tells screen readers beyond what Qt works out itself.
namespace quillory {

struct ControlLayout;

// While it lives, the program's windows are presented to screen readers as
// windows, and their one-line boxes as LineBox describes. Qt 6.4.2 presents
// a plain top-level widget as a bare client area; the screen-reader test's
// first step ("Quillory 1.0 frame") shows whether a newer Qt still does.
//
// Qt tells a screen reader of a window's activation only once it is connected
// to the reader, which it does while the program starts: a window that is
// active by then would stay unspoken until the learner pressed a key. So when
// Qt connects, the active window and its focus are announced again.
class AccessibleInterfaces final : public QAccessible::ActivationObserver {
public:
    AccessibleInterfaces();
    ~AccessibleInterfaces() override;
    AccessibleInterfaces(const AccessibleInterfaces&) = delete;
    AccessibleInterfaces& operator=(const AccessibleInterfaces&) = delete;
    AccessibleInterfaces(AccessibleInterfaces&&) = delete;
    AccessibleInterfaces& operator=(AccessibleInterfaces&&) = delete;

    void accessibilityActiveChanged(bool active) override;
};

// Gives the control the accessible name its layout records, if any.
void applyAccessibleName(QWidget& widget, const ControlLayout& control);

}  // namespace quillory
