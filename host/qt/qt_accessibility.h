#pragma once

class QWidget;

// What the Qt backend tells screen readers beyond what Qt works out itself.
namespace quillory {

struct ControlLayout;

// While it lives, the program's windows are presented to screen readers as
// windows, and their one-line boxes as LineBox describes. Qt 6.4.2 presents
// a plain top-level widget as a bare client area; the screen-reader test's
// first step ("Quillory 1.0 frame") shows whether a newer Qt still does.
class AccessibleInterfaces {
public:
    AccessibleInterfaces();
    ~AccessibleInterfaces();
    AccessibleInterfaces(const AccessibleInterfaces&) = delete;
    AccessibleInterfaces& operator=(const AccessibleInterfaces&) = delete;
};

// Gives the control the accessible name its layout records, if any.
void applyAccessibleName(QWidget& widget, const ControlLayout& control);

}  // namespace quillory
