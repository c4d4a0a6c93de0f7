#include "qt_driver.h"

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformintegration.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>
#include <gtest/gtest.h>
#include <QAccessible>
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
#include <cmath>

#include "app/program_windows.h"
#include "host/qt/qt_text.h"

namespace quillory::gui {
namespace {

// Input is handled before the call returns, and nothing else is: the
// harness decides when the event loop runs.
using Synchronous = QWindowSystemInterface::SynchronousDelivery;

QtWindow* findWindow(std::string_view name) {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<QtWindow*>(widget);
        if (window != nullptr && window->isVisible() && window->objectName() == toQString(name)) {
            return window;
        }
    }
    return nullptr;
}

QWidget* findControl(std::string_view window, std::string_view control) {
    QtWindow* found = findWindow(window);
    return found != nullptr ? found->control(control) : nullptr;
}

QMessageBox* openBox() { return qobject_cast<QMessageBox*>(QApplication::activeModalWidget()); }

// A window manager activates the window a click lands on, as the offscreen
// platform does not. A window behind a modal box is not activated: the box
// is, as Qt's X11 backend relays the focus and as Windows keeps such windows
// disabled. The click itself Qt then drops.
void clickOn(QWidget* widget) {
    if (widget == nullptr) {
        return;
    }
    QWindow* window = widget->window()->windowHandle();
    QWindow* activated = window;
    QWindow* modal = nullptr;
    if (QGuiApplicationPrivate::instance()->isWindowBlocked(window, &modal) && modal != nullptr) {
        activated = modal;
    }
    QWindowSystemInterface::handleWindowActivated<Synchronous>(activated,
                                                                Qt::ActiveWindowFocusReason);
    // The window system speaks in the screen's own pixels.
    const QPointF at = QHighDpi::toNativeLocalPosition(
        QPointF(widget->mapTo(widget->window(), widget->rect().center())), window);
    const QPointF global = QHighDpi::toNativeGlobalPosition(
        QPointF(widget->mapToGlobal(widget->rect().center())), window);
    QWindowSystemInterface::handleMouseEvent<Synchronous>(window, at, global, Qt::LeftButton,
                                                          Qt::LeftButton, QEvent::MouseButtonPress);
    QWindowSystemInterface::handleMouseEvent<Synchronous>(window, at, global, Qt::NoButton,
                                                          Qt::LeftButton, QEvent::MouseButtonRelease);
}

// Keys go to the window with the keyboard focus, as on a desktop.
void sendKey(Qt::Key key, const QString& text, Qt::KeyboardModifiers modifiers) {
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (QWindow* target = QGuiApplication::focusWindow()) {
            QWindowSystemInterface::handleKeyEvent<Synchronous>(target, type, key, modifiers, text);
        }
    }
}

Qt::Key keyFor(char32_t c) {
    if (c >= U'a' && c <= U'z') {
        return static_cast<Qt::Key>(Qt::Key_A + static_cast<int>(c - U'a'));
    }
    return c >= 0x20 && c < 0x7f ? static_cast<Qt::Key>(c) : Qt::Key_unknown;
}

// Whether the caption's letters, drawn as the control draws them but free to
// run past room, stay inside room.
bool fits(const QWidget& control, const QRect& room, int flags, const QString& text) {
    const qreal ratio = control.devicePixelRatioF();
    const int margin = room.width() + room.height();
    QImage canvas((room.size() + 2 * QSize(margin, margin)) * ratio, QImage::Format_Grayscale8);
    canvas.setDevicePixelRatio(ratio);
    canvas.setDotsPerMeterX(qRound(control.logicalDpiX() / 0.0254));
    canvas.setDotsPerMeterY(qRound(control.logicalDpiY() / 0.0254));
    canvas.fill(Qt::white);
    QPainter painter(&canvas);
    painter.setFont(control.font());
    painter.drawText(QRect(QPoint(margin, margin), room.size()), flags | Qt::TextDontClip, text);
    painter.end();
    const QRect inside(QPointF(margin * ratio, margin * ratio).toPoint(), room.size() * ratio);
    for (int y = 0; y < canvas.height(); ++y) {
        for (int x = 0; x < canvas.width(); ++x) {
            if (canvas.pixelColor(x, y).lightness() < 128 && !inside.contains(x, y)) {
                return false;
            }
        }
    }
    return true;
}

std::string quoted(const QString& text) { return '"' + text.toStdString() + '"'; }

std::string place(const QRect& r) {
    return "[" + std::to_string(r.x()) + " " + std::to_string(r.y()) + " " +
           std::to_string(r.width()) + " " + std::to_string(r.height()) + "]";
}

std::string describeControl(QWidget* w, const QWidget& window) {
    std::string line = "  " + w->objectName().toStdString();
    QString caption;
    if (auto* label = qobject_cast<QLabel*>(w)) {
        caption = label->text();
        line += " label " + place(w->geometry()) + " " + quoted(caption);
        const int flags = static_cast<int>(label->alignment()) | Qt::TextWordWrap;
        line += fits(*label, label->contentsRect(), flags, caption) ? "" : " clipped";
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        caption = button->text();
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        line += " button " + place(w->geometry()) + " " + quoted(caption);
        line += fits(*button, room, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic,
                     caption) ? "" : " clipped";
    } else {
        auto* box = qobject_cast<QPlainTextEdit*>(w);
        auto* line1 = qobject_cast<QLineEdit*>(w);
        line += " box " + place(w->geometry());
        line += box != nullptr ? " multiline" : "";
        line += (box != nullptr ? box->isReadOnly() : line1->isReadOnly()) ? " readonly" : "";
        line += box != nullptr && box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? " vscroll" : "";
    }
    if (w->font() != window.font()) {
        line += " font " + QString::number(w->font().pointSizeF()).toStdString();
    }
    const QColor colour = w->palette().color(QPalette::WindowText);
    if (colour != window.palette().color(QPalette::WindowText)) {
        line += " colour " + colour.name().toStdString();
    }
    const QString name = QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name);
    if (name != QString(caption).remove(QLatin1Char('&'))) {
        line += " named " + quoted(name);
    }
    return line;
}

}  // namespace

void QtDriver::start() {
    toolkit_ = std::make_unique<QtToolkit>();
    host_ = std::make_unique<WindowHost>(*toolkit_, makeWindows());
    toolkit_->attach(*host_);
    host_->start(WindowId::Form1);
    // A learner starts once the menu has the keyboard; the window system
    // reports that later, from the event loop.
    if (!QTest::qWaitFor([] { return QGuiApplication::focusWindow() != nullptr; })) {
        ADD_FAILURE() << "the menu never received the keyboard focus";
    }
}

void QtDriver::post(std::function<void()> work) {
    QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
}

int QtDriver::runLoop() { return QApplication::exec(); }

void QtDriver::quit(int code) { QCoreApplication::exit(code); }

bool QtDriver::settled(int turns) {
    // On a display server, focus and activation come back asynchronously:
    // a round trip makes sure they have arrived before the loop's next turn.
    QGuiApplicationPrivate::platformIntegration()->sync();
    return turns >= 2;
}

void QtDriver::stop() {
    host_.reset();
    toolkit_.reset();
    QCoreApplication::removePostedEvents(qApp);
    QCoreApplication::processEvents();
}

void QtDriver::click(std::string_view window, std::string_view control) {
    clickOn(findControl(window, control));
}

void QtDriver::type(std::u16string_view text) {
    for (const char32_t c : toQString(text).toUcs4()) {
        sendKey(keyFor(c), QString::fromUcs4(&c, 1), Qt::NoModifier);
    }
}

void QtDriver::enterText(std::u16string_view text) {
    // What an input method does with a commit (IBus, for one): one event to
    // the focus object, if that object takes input methods at all.
    QObject* target = QGuiApplication::focusObject();
    QInputMethodQueryEvent query(Qt::ImEnabled);
    if (target == nullptr || !QCoreApplication::sendEvent(target, &query) ||
        !query.value(Qt::ImEnabled).toBool()) {
        return;
    }
    QInputMethodEvent commit;
    commit.setCommitString(toQString(text));
    QCoreApplication::sendEvent(target, &commit);
}

void QtDriver::press(std::string_view key) {
    struct Stroke {
        std::string_view name;
        Qt::Key key;
        const char* text;
        Qt::KeyboardModifiers modifiers;
    };
    static constexpr Stroke strokes[] = {
        {"Tab", Qt::Key_Tab, "\t", Qt::NoModifier},  {"ShiftTab", Qt::Key_Backtab, "", Qt::ShiftModifier},
        {"Enter", Qt::Key_Return, "\r", Qt::NoModifier}, {"Escape", Qt::Key_Escape, "\x1b", Qt::NoModifier},
        {"End", Qt::Key_End, "", Qt::NoModifier},     {"CtrlEnd", Qt::Key_End, "", Qt::ControlModifier}};
    const auto* stroke = std::ranges::find(strokes, key, &Stroke::name);
    sendKey(stroke->key, QString::fromLatin1(stroke->text), stroke->modifiers);
}

void QtDriver::pressAlt(char letter) {
    sendKey(keyFor(static_cast<char32_t>(letter)), QString(QChar(letter)), Qt::AltModifier);
}

void QtDriver::closeBox(std::string_view window) {
    // The request a window manager sends when the close box is pressed.
    if (QtWindow* found = findWindow(window)) {
        QWindowSystemInterface::handleCloseEvent<Synchronous>(
            found->windowHandle());
    }
}

void QtDriver::pressOk() {
    if (QMessageBox* found = openBox()) {
        clickOn(found->button(QMessageBox::Ok));
    }
}

std::vector<std::string> QtDriver::windows() {
    std::vector<std::string> names;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (qobject_cast<QtWindow*>(widget) != nullptr && widget->isVisible()) {
            names.push_back(widget->objectName().toStdString());
        }
    }
    return names;
}

std::u16string QtDriver::text(std::string_view window, std::string_view control) {
    QWidget* w = findControl(window, control);
    if (w == nullptr) {
        return u"(not shown)";
    }
    if (const auto* label = qobject_cast<QLabel*>(w)) {
        return toU16(label->text());
    }
    if (const auto* line = qobject_cast<QLineEdit*>(w)) {
        return toU16(line->text());
    }
    return fromMultiLineText(qobject_cast<QPlainTextEdit*>(w)->toPlainText());
}

std::string QtDriver::focus() {
    const QWidget* focused = QApplication::focusWidget();
    if (focused == nullptr) {
        return "";
    }
    if (qobject_cast<const QMessageBox*>(focused->window()) != nullptr) {
        return "MessageBox";
    }
    return (focused->window()->objectName() + '.' + focused->objectName()).toStdString();
}

std::optional<std::u16string> QtDriver::box() {
    if (const QMessageBox* found = openBox()) {
        return toU16(found->windowTitle() + QLatin1Char('\n') + found->text());
    }
    return std::nullopt;
}

bool QtDriver::ended() { return host_->runEnded(); }

std::pair<int, int> QtDriver::shownLines(std::string_view window, std::string_view control) {
    const auto* box = qobject_cast<QPlainTextEdit*>(findControl(window, control));
    if (box == nullptr) {
        return {-1, -1};
    }
    const int bottom = box->viewport()->height() - 1;
    return {box->cursorForPosition(QPoint(0, 0)).blockNumber(),
            box->cursorForPosition(QPoint(0, bottom)).blockNumber()};
}

std::vector<std::string> QtDriver::describe(std::string_view window) {
    QtWindow* found = findWindow(window);
    if (found == nullptr) {
        return {std::string(window) + " is not open"};
    }
    const bool fixed = found->minimumSize() == found->maximumSize();
    std::string title = std::string(window) + " " + quoted(found->windowTitle()) +
                        (fixed ? " fixed [" : " sizable [") + std::to_string(found->width()) +
                        " " + std::to_string(found->height()) + "]";
    // The window system's own pixels: the logical size at the screen's scale.
    const QSize native = found->windowHandle()->handle()->geometry().size();
    if (native != found->size() * found->devicePixelRatio()) {
        title += " native " + std::to_string(native.width()) + "x" + std::to_string(native.height());
    }
    std::vector<std::string> lines{title};
    const auto id = std::ranges::find(allWindows, window, nameOf);
    for (const auto& control : host_->layoutOf(*id).controls) {
        lines.push_back(describeControl(found->control(control.name), *found));
    }
    return lines;
}

std::u16string QtDriver::accessibleName(std::string_view window, std::string_view control) {
    QWidget* w = findControl(window, control);
    return w != nullptr ? toU16(QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name))
                        : u"(not shown)";
}

int QtDriver::dpi(std::string_view /*window*/) { return 96; }  // logical pixels, at any scale

}  // namespace quillory::gui
