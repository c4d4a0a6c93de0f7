#include "host/qt/qt_accessibility.h"

#include <QAccessibleWidget>
#include <QLabel>

#include "host/layout.h"
#include "host/qt/qt_text.h"
#include "host/qt/qt_window.h"

namespace quillory {
namespace {

QAccessibleInterface* windowInterface(const QString& /*className*/, QObject* object) {
    if (auto* window = qobject_cast<QtWindow*>(object)) {
        return new QAccessibleWidget(window, QAccessible::Window);
    }
    return nullptr;
}

}  // namespace

WindowRoleForScreenReaders::WindowRoleForScreenReaders() {
    QAccessible::installFactory(windowInterface);
}

WindowRoleForScreenReaders::~WindowRoleForScreenReaders() {
    QAccessible::removeFactory(windowInterface);
}

void applyAccessibleName(QWidget& widget, const ControlLayout& control) {
    if (control.accessibleName.empty()) {
        return;
    }
    QString name = toQString(control.accessibleName);
    if (const auto* label = qobject_cast<QLabel*>(&widget); label && !label->text().isEmpty()) {
        name += QStringLiteral(": ") + label->text();
    }
    widget.setAccessibleName(name);
}

}  // namespace quillory
