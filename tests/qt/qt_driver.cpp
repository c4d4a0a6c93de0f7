#include "qt_driver.h"

#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>
#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <span>

#include "host/qt/qt_text.h"

namespace quillory::scenario {
namespace {

// Everything below runs on the GUI thread.

QtWindow* findWindow(std::string_view name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QtWindow*>(widget);
        if (window != nullptr && window->isVisible() && window->objectName() == toQString(name)) {
            return window;
        }
    }
    throw std::runtime_error("no open window " + std::string(name));
}

QWidget* findControl(std::string_view window, std::string_view control) {
    if (QWidget* found = findWindow(window)->control(control)) {
        return found;
    }
    throw std::runtime_error("no control " + std::string(control) + " in " + std::string(window));
}

QMessageBox* openMessageBox() {
    return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
}

PixelRect toPixelRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

// Where a click on the widget lands: its window and the point in it.
struct ClickTarget {
    QPointer<QWindow> window;
    QPoint at;
};

ClickTarget clickTarget(QWidget* widget) {
    QWidget* top = widget->window();
    return {top->windowHandle(), widget->mapTo(top, widget->rect().center())};
}

// A window manager activates the window a click lands on, as the offscreen
// platform does not. A window behind a modal box is not activated: the box
// is, as Qt's X11 backend relays the focus (QXcbWindow::doFocusIn) and as
// Windows keeps such windows disabled. The click itself Qt then drops.
void clickAt(const ClickTarget& target) {
    if (!target.window) {
        return;
    }
    QWindow* activated = target.window;
    QWindow* modal = nullptr;
    if (QGuiApplicationPrivate::instance()->isWindowBlocked(activated, &modal) &&
        modal != nullptr) {
        activated = modal;
    }
    QWindowSystemInterface::handleWindowActivated<QWindowSystemInterface::SynchronousDelivery>(
        activated, Qt::ActiveWindowFocusReason);
    QTest::mouseClick(target.window, Qt::LeftButton, Qt::NoModifier, target.at);
}

struct KeyStroke {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers;
};

KeyStroke strokeFor(Key key) {
    switch (key) {
    case Key::Tab: return {Qt::Key_Tab, QStringLiteral("\t"), Qt::NoModifier};
    case Key::ShiftTab: return {Qt::Key_Backtab, QString(), Qt::ShiftModifier};
    case Key::Enter: return {Qt::Key_Return, QStringLiteral("\r"), Qt::NoModifier};
    case Key::Escape: return {Qt::Key_Escape, QString(QChar(0x1b)), Qt::NoModifier};
    case Key::CtrlHome: return {Qt::Key_Home, QString(), Qt::ControlModifier};
    case Key::CtrlEnd: return {Qt::Key_End, QString(), Qt::ControlModifier};
    }
    return {Qt::Key_unknown, QString(), Qt::NoModifier};
}

Qt::Key keyForCharacter(char32_t character) {
    if (character >= U'a' && character <= U'z') {
        return static_cast<Qt::Key>(Qt::Key_A + static_cast<int>(character - U'a'));
    }
    if (character >= 0x20 && character < 0x7f) {
        return static_cast<Qt::Key>(character);
    }
    return Qt::Key_unknown;
}

// Keys go to the window that has the keyboard focus, as on a real desktop.
void sendKey(const KeyStroke& stroke) {
    if (QWindow* target = QGuiApplication::focusWindow()) {
        QTest::sendKeyEvent(QTest::Click, target, stroke.key, stroke.text, stroke.modifiers);
    }
}

// The box the text's letters cover when drawn in room with the control's font
// at the control's pixel density, free to run past room's edges; in the
// control's logical pixels.
QRect inkOf(const QWidget& control, const QRect& room, int flags, const QString& text) {
    const int margin = room.width() + room.height();
    const QRect canvasRoom = room.translated(margin - room.left(), margin - room.top());
    const qreal ratio = control.devicePixelRatioF();
    QImage canvas((room.size() + 2 * QSize(margin, margin)) * ratio, QImage::Format_Grayscale8);
    canvas.setDevicePixelRatio(ratio);
    canvas.setDotsPerMeterX(qRound(control.logicalDpiX() / 0.0254));
    canvas.setDotsPerMeterY(qRound(control.logicalDpiY() / 0.0254));
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(control.font());
    painter.setPen(Qt::black);
    painter.drawText(canvasRoom, flags | Qt::TextDontClip, text);
    painter.end();

    QRect ink;  // in the canvas's pixels
    for (int y = 0; y < canvas.height(); ++y) {
        const std::span line(canvas.constScanLine(y), static_cast<std::size_t>(canvas.width()));
        for (int x = 0; x < canvas.width(); ++x) {
            if (line[static_cast<std::size_t>(x)] < 128) {
                ink |= QRect(x, y, 1, 1);
            }
        }
    }
    if (ink.isEmpty()) {
        return {};
    }
    // Back to logical pixels, taking in every one the letters touch.
    const auto down = [ratio](int device) { return static_cast<int>(std::floor(device / ratio)); };
    const auto up = [ratio](int device) { return static_cast<int>(std::ceil(device / ratio)); };
    const QRect logical(QPoint(down(ink.left()), down(ink.top())),
                        QPoint(up(ink.right() + 1) - 1, up(ink.bottom() + 1) - 1));
    return logical.translated(room.topLeft() - canvasRoom.topLeft());
}

}  // namespace

std::vector<std::string> QtDriver::openWindows() {
    return gui_.ask([] {
        std::vector<std::string> names;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (qobject_cast<QtWindow*>(widget) != nullptr && widget->isVisible()) {
                names.push_back(widget->objectName().toStdString());
            }
        }
        return names;
    });
}

std::u16string QtDriver::windowCaption(std::string_view window) {
    return gui_.ask([window] { return toU16(findWindow(window)->windowTitle()); });
}

PixelRect QtDriver::clientArea(std::string_view window) {
    return gui_.ask([window] { return toPixelRect(findWindow(window)->geometry()); });
}

PixelRect QtDriver::controlRect(std::string_view window, std::string_view control) {
    return gui_.ask([=] { return toPixelRect(findControl(window, control)->geometry()); });
}

bool QtDriver::isResizable(std::string_view window) {
    return gui_.ask([window] {
        const QWidget* found = findWindow(window);
        return found->minimumSize() != found->maximumSize();
    });
}

void QtDriver::click(std::string_view window, std::string_view control) {
    const auto target = gui_.ask([=] { return clickTarget(findControl(window, control)); });
    gui_.act([target] { clickAt(target); });
}

void QtDriver::type(std::u16string_view text) {
    const QString typed = toQString(text);
    for (const char32_t character : typed.toUcs4()) {
        const QString one = QString::fromUcs4(&character, 1);
        gui_.act([stroke = KeyStroke{keyForCharacter(character), one, Qt::NoModifier}] {
            sendKey(stroke);
        });
    }
}

void QtDriver::enterText(std::u16string_view text) {
    // What Qt's input-method plugins do with a commit (IBus, for one): one
    // QInputMethodEvent to the focus object, if that object takes input
    // methods at all; a read-only box or a button does not.
    gui_.act([committed = toQString(text)] {
        QObject* target = QGuiApplication::focusObject();
        if (target == nullptr) {
            return;
        }
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QCoreApplication::sendEvent(target, &query);
        if (!query.value(Qt::ImEnabled).toBool()) {
            return;
        }
        QInputMethodEvent commit;
        commit.setCommitString(committed);
        QCoreApplication::sendEvent(target, &commit);
    });
}

void QtDriver::press(Key key) {
    gui_.act([stroke = strokeFor(key)] { sendKey(stroke); });
}

void QtDriver::pressAlt(char letter) {
    const char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    gui_.act([lower] {
        sendKey({keyForCharacter(static_cast<char32_t>(lower)), QString(QChar(lower)),
                 Qt::AltModifier});
    });
}

void QtDriver::closeWindow(std::string_view window) {
    const QPointer<QWindow> target =
        gui_.ask([window] { return QPointer<QWindow>(findWindow(window)->windowHandle()); });
    // The same request a window manager sends when the close box is pressed.
    gui_.act([target] {
        if (target) {
            QWindowSystemInterface::handleCloseEvent<QWindowSystemInterface::SynchronousDelivery>(
                target);
        }
    });
}

std::optional<Focus> QtDriver::focus() {
    return gui_.ask([]() -> std::optional<Focus> {
        const QWidget* focused = QApplication::focusWidget();
        if (focused == nullptr) {
            return std::nullopt;
        }
        return Focus{focused->window()->objectName().toStdString(),
                     focused->objectName().toStdString()};
    });
}

std::u16string QtDriver::text(std::string_view window, std::string_view control) {
    return gui_.ask([=] {
        QWidget* widget = findControl(window, control);
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            return toU16(label->text());
        }
        if (const auto* line = qobject_cast<QLineEdit*>(widget)) {
            return toU16(line->text());
        }
        if (const auto* box = qobject_cast<QPlainTextEdit*>(widget)) {
            return fromMultiLineText(box->toPlainText());
        }
        return toU16(qobject_cast<QPushButton*>(widget)->text());
    });
}

VisibleLines QtDriver::visibleLines(std::string_view window, std::string_view control) {
    return gui_.ask([=] {
        const auto* box = qobject_cast<QPlainTextEdit*>(findControl(window, control));
        if (box == nullptr) {
            throw std::runtime_error(std::string(control) + " is not a multi-line box");
        }
        const int bottom = box->viewport()->height() - 1;
        return VisibleLines{box->cursorForPosition(QPoint(0, 0)).blockNumber(),
                            box->cursorForPosition(QPoint(0, bottom)).blockNumber()};
    });
}

std::optional<std::u16string> QtDriver::messageBox() {
    return gui_.ask([]() -> std::optional<std::u16string> {
        if (const auto* box = openMessageBox()) {
            return toU16(box->text());
        }
        return std::nullopt;
    });
}

std::u16string QtDriver::messageBoxTitle() {
    return gui_.ask([] {
        const auto* box = openMessageBox();
        return box != nullptr ? toU16(box->windowTitle()) : std::u16string();
    });
}

void QtDriver::dismissMessageBox() {
    const auto target = gui_.ask([] {
        const auto* box = openMessageBox();
        if (box == nullptr) {
            throw std::runtime_error("no message box is open");
        }
        return clickTarget(box->button(QMessageBox::Ok));
    });
    gui_.act([target] { clickAt(target); });
}

bool QtDriver::runEnded() {
    return gui_.ask([this] { return host_.runEnded(); });
}

double QtDriver::devicePixelRatio(std::string_view window) {
    return gui_.ask([window] { return findWindow(window)->devicePixelRatio(); });
}

PixelRect QtDriver::nativeClientArea(std::string_view window) {
    return gui_.ask(
        [window] { return toPixelRect(findWindow(window)->windowHandle()->handle()->geometry()); });
}

QtDriver::CaptionRoom QtDriver::captionRoom(std::string_view window, std::string_view control) {
    return gui_.ask([=] {
        QWidget* widget = findControl(window, control);
        if (const auto* label = qobject_cast<QLabel*>(widget)) {
            const QRect room = label->contentsRect();
            const int flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
            return CaptionRoom{toPixelRect(room),
                               toPixelRect(inkOf(*label, room, flags, label->text()))};
        }
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            const QRect room =
                button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
            const int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
            return CaptionRoom{toPixelRect(room),
                               toPixelRect(inkOf(*button, room, flags, button->text()))};
        }
        throw std::runtime_error(std::string(control) + " has no caption");
    });
}

std::vector<int> QtDriver::iconSizes(std::string_view window) {
    return gui_.ask([window] {
        std::vector<int> sizes;
        for (const QSize size : findWindow(window)->windowIcon().availableSizes()) {
            sizes.push_back(size.width());
        }
        std::ranges::sort(sizes);
        return sizes;
    });
}

}  // namespace quillory::scenario
