#include "host/qt/qt_accessibility.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include "host/layout.h"
#include "host/qt/qt_line_box.h"
#include "host/qt/qt_text.h"
#include "host/qt/qt_window.h"
#include "host/spoken_text.h"

namespace quillory {
namespace {

// Marks a label that shows a value, such as the verb being asked.
constexpr const char* showsValue = "quilloryShowsValue";

QAccessibleInterface* programInterface(const QString& /*className*/, QObject* object) {
    if (auto* window = qobject_cast<QtWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    if (auto* box = qobject_cast<LineBox*>(object)) {
        return lineBoxInterface(box);
    }
    // Orca speaks a notification as it shows, whatever has the focus: Qt 6.4.2
    // sends a name change without the new name, which Orca 43.1 does not speak
    // (with a plain label's role, the screen-reader test shows whether a newer
    // pair speaks the verb after Next).
    if (auto* label = qobject_cast<QLabel*>(object);
        label && label->property(showsValue).toBool()) {
        return new QAccessibleWidget(label, QAccessible::Notification);
    }
    return nullptr;
}

// What Qt tells the screen reader as the learner comes back to the window:
// that the window is active, and which control has its focus.
void announceActiveWindow() {
    QWidget* active = QApplication::activeWindow();
    if (active == nullptr) {
        return;
    }
    QAccessible::State activated;
    activated.active = true;
    QAccessibleStateChangeEvent activation(active, activated);
    QAccessible::updateAccessibility(&activation);
    if (QWidget* focused = active->focusWidget()) {
        QAccessibleEvent focus(focused, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

}  // namespace

AccessibleInterfaces::AccessibleInterfaces() {
    QAccessible::installFactory(programInterface);
    QAccessible::installActivationObserver(this);
}

AccessibleInterfaces::~AccessibleInterfaces() {
    QAccessible::removeActivationObserver(this);
    QAccessible::removeFactory(programInterface);
}

void AccessibleInterfaces::accessibilityActiveChanged(bool active) {
    if (active) {  // told before Qt's connection listens to the windows
        QTimer::singleShot(0, qApp, announceActiveWindow);
    }
}

void applyAccessibleName(QWidget& widget, const ControlLayout& control) {
    if (control.accessibleName.empty()) {
        return;
    }
    // Before Qt makes the widget's interface, which it then keeps.
    widget.setProperty(showsValue, control.kind == ControlKind::Label);
    widget.setAccessibleName(toQString(spokenText(control, control.caption)));
}

}  // namespace quillory
