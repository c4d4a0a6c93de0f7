#pragma once

class QWidget;

// What the Qt backend tells screen readers beyond what Qt works out itself.
namespace quillory {

struct ControlLayout;

// While it lives, the program's windows are presented to screen readers as
// windows; Qt would present a plain top-level widget as a bare client area.
class WindowRoleForScreenReaders {
public:
    WindowRoleForScreenReaders();
    ~WindowRoleForScreenReaders();
    WindowRoleForScreenReaders(const WindowRoleForScreenReaders&) = delete;
    WindowRoleForScreenReaders& operator=(const WindowRoleForScreenReaders&) = delete;
};

// Gives the control the accessible name its layout records, if any. A label
// so named shows a value and is announced as "name: caption", so this is
// called again whenever its caption changes.
void applyAccessibleName(QWidget& widget, const ControlLayout& control);

}  // namespace quillory
