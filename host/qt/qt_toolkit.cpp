#include "host/qt/qt_toolkit.h"

#include <QAccessible>
#include <QApplication>
#include <QDirIterator>
#include <QIcon>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QWindow>
#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <vector>

#include "host/qt/qt_display_sync.h"
#include "host/qt/qt_text.h"

namespace quillory {
namespace {

// Deleted once Qt 6.4's Wayland backend is done with the compositor's last
// frame for the hidden window on its own thread: asking a hidden window for
// an update waits for the lock that handling the frame holds.
void release(QWidget* hidden) {
    if (QWindow* handle = hidden->windowHandle()) {
        handle->requestUpdate();
    }
    delete hidden;
}

}  // namespace

QtToolkit::QtToolkit() {
    QApplication::setQuitOnLastWindowClosed(false);
    // The icon drawn for the desktop, in every size the build made of it.
    QIcon icon;
    QDirIterator sizes(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files,
                       QDirIterator::Subdirectories);
    while (sizes.hasNext()) {
        icon.addFile(sizes.next());
    }
    QApplication::setWindowIcon(icon);
}

QtToolkit::~QtToolkit() {
    std::vector<QtWindow*> left;
    for (const auto* kept : {&windows_, &unloaded_}) {
        std::ranges::copy_if(*kept, std::back_inserter(left), [](QtWindow* w) { return w; });
    }
    for (QtWindow* window : left) {
        window->hide();
    }
    syncWithDisplay();  // after the event loop's last turn
    std::ranges::for_each(left, release);
}

void QtToolkit::build(const WindowLayout& layout, ButtonHandler onButton, CloseHandler onClose) {
    if (QtWindow* old = unloaded_.at(indexOf(layout.id))) {
        old->deleteLater();  // long hidden, unless this is its own click
    }
    windows_.at(indexOf(layout.id)) = new QtWindow(layout, fonts_, onButton, std::move(onClose));
}

void QtToolkit::show(WindowId id) { window(id)->show(); }

void QtToolkit::activate(WindowId id) {
    window(id)->raise();
    window(id)->activateWindow();
}

void QtToolkit::focus(WindowId id, const ControlLayout& control) {
    window(id)->control(control.name)->setFocus(Qt::OtherFocusReason);
}

void QtToolkit::destroy(WindowId id) {
    QPointer<QtWindow>& slot = windows_.at(indexOf(id));
    // Hidden now, deleted when it is built again or the program ends: it may
    // be inside one of its own buttons' click signals, and Qt 6.4's Wayland
    // backend may still be handling its last frame (see release).
    slot->hide();
    unloaded_.at(indexOf(id)) = slot;
    slot = nullptr;
}

// Labels and one-line boxes alike keep their text in the property "text".
std::u16string QtToolkit::text(WindowId id, const ControlLayout& control) {
    QWidget* shown = window(id)->control(control.name);
    if (auto* box = qobject_cast<QPlainTextEdit*>(shown)) {
        return fromMultiLineText(box->toPlainText());
    }
    return toU16(shown->property("text").toString());
}

void QtToolkit::setText(WindowId id, const ControlLayout& control, std::u16string_view text) {
    QWidget* shown = window(id)->control(control.name);
    if (auto* box = qobject_cast<QPlainTextEdit*>(shown)) {
        box->setPlainText(toMultiLineText(text));
    } else {
        shown->setProperty("text", toQString(text));
    }
}

void QtToolkit::announceNameChange(WindowId id, const ControlLayout& label,
                                   std::u16string_view name) {
    QWidget* shown = window(id)->control(label.name);
    shown->setAccessibleName(toQString(name));
    if (shown->isVisible()) {  // a notification is spoken as it shows
        QAccessibleEvent event(shown, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
}

// Screen readers read the new description when the control next takes the
// focus. Orca 43 does not speak the change itself, hence the notification.
void QtToolkit::describe(WindowId id, const ControlLayout& control,
                         std::u16string_view description) {
    window(id)->control(control.name)->setAccessibleDescription(toQString(description));
}

void QtToolkit::messageBox(std::u16string_view text) {
    // Owned by the active window, the box stands over it and hands the
    // activation back to it when it closes.
    const QPointer<QWidget> owner = QApplication::activeWindow();
    const bool ownerShown = owner != nullptr && owner->isVisible();
    // On the heap and watched: a box on the stack would be deleted a second
    // time, through its owner, if the owner went while the box was open.
    const QPointer<QMessageBox> box =
        new QMessageBox(QMessageBox::NoIcon, toQString(messageBoxTitle), toQString(text),
                        QMessageBox::Ok, ownerShown ? owner.data() : nullptr);
    box->setObjectName(QStringLiteral("MessageBox"));
    box->setTextFormat(Qt::PlainText);
    box->setWindowModality(Qt::ApplicationModal);
    box->exec();
    if (box != nullptr) {
        release(box);
    }
    if (owner != nullptr && owner->isVisible()) {
        owner->activateWindow();
    }
}

void QtToolkit::endRun() { QCoreApplication::exit(0); }

void QtToolkit::stopProgram(const std::string& reason) {
    qCritical("%s", reason.c_str());  // and where the learner sees it:
    QMessageBox box(QMessageBox::Critical, toQString(messageBoxTitle),
                    QString::fromStdString(reason), QMessageBox::Ok);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
    std::_Exit(EXIT_FAILURE);
}

}  // namespace quillory
