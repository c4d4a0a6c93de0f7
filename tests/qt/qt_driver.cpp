// The Qt program, driven through the window system's input path: mouse and key events reach a
// QWindow as if from the display server, handled before the call returns.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/private/qhighdpiscaling_p.h>
#include <gtest/gtest.h>
#include <qpa/qplatformwindow.h>
#include <qpa/qwindowsysteminterface.h>
#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTest>
#include <algorithm>
#include <array>
#include <functional>
#include <ranges>
#include <utility>
#include <vector>

#include "gui/driver.h"
#include "host/qt/qt_display_sync.h"
#include "host/qt/qt_text.h"
#include "host/qt/qt_toolkit.h"

namespace quillory::gui {
namespace {

using Synchronous = QWindowSystemInterface::SynchronousDelivery;

// Whether a Wayland compositor, which never sees these clicks, activates windows.
bool compositorActivates() { return QGuiApplication::platformName().startsWith(u"wayland"); }

// The window system's word that the window is now the active one.
void windowSystemActivates(QWindow* window) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    QWindowSystemInterface::handleFocusWindowChanged<Synchronous>(window);
#else
    QWindowSystemInterface::handleWindowActivated<Synchronous>(window);
#endif
}

// Elsewhere a window manager activates the window clicked or the modal box in front of it,
// which the offscreen platform does not. Qt drops a click on a blocked window.
void clickOn(QWidget* widget) {
    if (widget == nullptr) {
        return;
    }
    QWindow* window = widget->window()->windowHandle();
    QWindow* modal = nullptr;
    const bool blocked = QGuiApplicationPrivate::instance()->isWindowBlocked(window, &modal);
    if (!compositorActivates()) {
        windowSystemActivates(blocked ? modal : window);
    }
    const QPoint middle = widget->rect().center();
    const QPointF at =  // the window system speaks in the screen's own pixels
        QHighDpi::toNativeLocalPosition(QPointF(widget->mapTo(widget->window(), middle)), window);
    const QPointF global =
        QHighDpi::toNativeGlobalPosition(QPointF(widget->mapToGlobal(middle)), window);
    for (const auto type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const auto buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QWindowSystemInterface::handleMouseEvent<Synchronous>(window, at, global, buttons,
                                                              Qt::LeftButton, type);
    }
}

// Keys go to the window with the keyboard focus, as on a desktop.
void sendKey(int key, const QString& text, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (const auto type : {QEvent::KeyPress, QEvent::KeyRelease}) {
        if (QWindow* target = QGuiApplication::focusWindow()) {
            QWindowSystemInterface::handleKeyEvent<Synchronous>(target, type, key, modifiers, text);
        }
    }
}

// An image's pixels, row by row, as 0xAARRGGBB.
std::vector<std::uint32_t> pixelsOf(const QImage& image) {
    const auto* first = reinterpret_cast<const std::uint32_t*>(image.constBits());
    return {first, std::next(first, static_cast<std::ptrdiff_t>(image.width()) * image.height())};
}

// What draw paints on the widget's background, on a sheet size big in logical pixels, at the
// screen's density.
std::vector<std::uint32_t> painted(const QWidget& widget, QSize size,
                                   const std::function<void(QPainter&)>& draw) {
    QImage sheet(size * widget.devicePixelRatioF(), QImage::Format_RGB32);
    sheet.setDevicePixelRatio(widget.devicePixelRatioF());
    sheet.fill(widget.palette().color(widget.backgroundRole()));
    QPainter painter(&sheet);
    draw(painter);
    painter.end();
    return pixelsOf(sheet);
}

// The caption drawn whole on one line in the control's font and colours, a line's height to
// spare, by its style, which may hide access keys' underlines until Alt is held (Adwaita).
void giveCaption(ControlView& view, const QWidget& control, int flags, const QString& text) {
    const QFontMetrics metrics(control.font());
    const int margin = metrics.height();
    const QSize size = metrics.size(flags, text);
    view.whole = painted(control, size + 2 * QSize(margin, margin), [&](QPainter& painter) {
        painter.setFont(control.font());
        control.style()->drawItemText(&painter, QRect(QPoint(margin, margin), size), flags,
                                      control.palette(), true, text, control.foregroundRole());
    });
}

// The button as its style draws it, on the window's background, with no caption.
std::vector<std::uint32_t> blankOf(const QPushButton& button) {
    return painted(button, button.size(), [&button](QPainter& painter) {
        button.parentWidget()->render(&painter, {}, QRegion(button.geometry()),
                                      QWidget::DrawWindowBackground);
        QStyleOptionButton option;
        option.initFrom(&button);
        option.state |= QStyle::State_Raised;  // as a push button not held down
        button.style()->drawControl(QStyle::CE_PushButton, &option, &painter, &button);
    });
}

// A one-line box as a screen reader reads it, run by run of attributes as Orca splits it,
// saying where what it is told of text, caret, selection and states is not the box's own.
QString toldOf(QLineEdit* box) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
    QAccessibleTextInterface* text = face->textInterface();
    QString runs = face->text(QAccessible::Value) == box->displayText() ? "" : "(another value)";
    for (int at = 0, start = 0, end = 0; at < text->characterCount(); at = std::max(end, at + 1)) {
        text->attributes(at, &start, &end);
        runs += start == at && end > at ? text->text(start, end) : "(a broken run)";
    }
    int from = 0;
    int to = 0;
    text->selection(0, &from, &to);
    const QAccessible::State state = face->state();
    const int start = box->hasSelectedText() ? box->selectionStart() : 0;
    const bool told = std::array{text->cursorPosition(), text->selectionCount(), from, to} ==
                          std::array{box->cursorPosition(), int{box->hasSelectedText()}, start,
                                     start + box->selectionLength()} &&
                      state.readOnly == box->isReadOnly() && state.editable != box->isReadOnly() &&
                      state.selectableText;
    return told ? runs : runs + " (caret, selection and states told otherwise)";
}

// The appearance QUILLORY_APPEARANCE asks for, chosen while the program runs: GNOME's dark
// theme, or a high-contrast palette as Qt builds it from Windows' schemes.
void chooseAppearance(const QByteArray& appearance) {
    if (appearance == "dark") {
        QStyle* dark = QStyleFactory::create("Adwaita-Dark");
        ASSERT_NE(dark, nullptr) << "no Adwaita-Dark style: is adwaita-qt6 installed?";
        QApplication::setStyle(dark);
    } else if (appearance.startsWith("high-contrast-")) {
        const bool black = appearance.endsWith("black");
        QPalette palette(black ? Qt::white : Qt::black, black ? Qt::black : Qt::white);
        palette.setColor(QPalette::Button, palette.color(QPalette::Window));  // as Windows' have it
        QApplication::setPalette(palette);
    }
}

class QtDriver final : public Driver {
public:
    Toolkit& toolkit() override { return toolkit_; }
    void post(std::function<void()> work) override {
        QMetaObject::invokeMethod(&posted_, std::move(work), Qt::QueuedConnection);
    }
    int runLoop() override {
        chooseAppearance(qgetenv("QUILLORY_APPEARANCE"));  // the menu already shown
        return QApplication::exec();
    }
    void quit(int code) override { QCoreApplication::exit(code); }
    bool settled(int turns) override {
        syncWithDisplay();  // focus and activation arrive before the loop's next turn
        // With no window manager nobody gives the focus back when a box or window goes (an X
        // server refuses Qt's late request): the lone window left gets it, as a manager would.
        auto shown = allWindows | std::views::filter([this](WindowId id) { return window(id); });
        const QWindow* focused = QGuiApplication::focusWindow();
        if (turns >= 2 && !compositorActivates() && std::ranges::distance(shown) == 1 &&
            (focused == nullptr || !focused->isVisible()) && openBox() == nullptr) {
            windowSystemActivates(window(*shown.begin())->windowHandle());
        }
        return turns >= 2;
    }
    // Every window shown is on the screen; a compositor fronts a new window in its own time.
    bool caughtUp() override {
        const bool exposed = std::ranges::all_of(QApplication::topLevelWidgets(), [](QWidget* top) {
            return !top->isVisible() || top->windowHandle()->isExposed();
        });
        const bool none =
            std::ranges::none_of(allWindows, [this](WindowId id) { return shown(id); });
        return exposed && (!compositorActivates() || none ||
                           (openBox() != nullptr ? focus() == "MessageBox"
                                                 : QGuiApplication::focusWindow() != nullptr));
    }

    void click(WindowId window, std::string_view control) override {
        clickOn(widget(window, control));
    }
    void type(std::u16string_view text) override {
        for (const char32_t c : toQString(text).toUcs4()) {
            const QString typed = QString::fromUcs4(&c, 1);
            // Beyond ASCII from an input method where the focused widget takes one.
            QObject* focus = QGuiApplication::focusObject();
            QInputMethodQueryEvent takes(Qt::ImEnabled);
            if (c > 0x7f && focus != nullptr && QCoreApplication::sendEvent(focus, &takes) &&
                takes.value(Qt::ImEnabled).toBool()) {
                QInputMethodEvent commit;
                commit.setCommitString(typed);
                QCoreApplication::sendEvent(focus, &commit);
            } else {
                sendKey(Qt::Key_unknown, typed);
            }
        }
    }
    void press(std::string_view key) override {
        const QKeyCombination pressed = QKeySequence(toQString(key))[0];
        const auto modifiers = pressed.keyboardModifiers();
        const bool backtab = pressed.key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier;
        const int code = backtab ? Qt::Key_Backtab : pressed.key();
        const char text = QTest::keyToAscii(static_cast<Qt::Key>(code));
        sendKey(code, text != 0 ? QString(QChar(text)) : QString(), modifiers);
    }
    void closeBox(WindowId window) override {
        if (QtWindow* found = this->window(window)) {
            QWindowSystemInterface::handleCloseEvent<Synchronous>(found->windowHandle());
        }
    }
    void pressOk() override { clickOn(openBox() ? openBox()->button(QMessageBox::Ok) : nullptr); }

    bool shown(WindowId window) override {  // what is on the screen, made by whoever
        return std::ranges::any_of(QApplication::topLevelWidgets(), [window](QWidget* top) {
            return qobject_cast<QtWindow*>(top) != nullptr && top->isVisible() &&
                   top->objectName() == toQString(nameOf(window));
        });
    }
    std::u16string text(WindowId window, std::string_view control) override {
        QWidget* w = widget(window, control);
        if (const auto* box = qobject_cast<QPlainTextEdit*>(w)) {
            return fromMultiLineText(box->toPlainText());
        }
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            return toU16(toldOf(line));
        }
        return toU16(w->property("text").toString());  // a label's, a button's
    }
    std::array<int, 3> place(WindowId window, std::string_view control) override {
        const auto* box = qobject_cast<QPlainTextEdit*>(widget(window, control));
        const QTextCursor caret = box->textCursor();
        return {box->verticalScrollBar()->value(), caret.selectionStart(), caret.selectionEnd()};
    }
    std::u16string accessible(WindowId window, std::string_view control, Told what) override {
        QWidget* w = control.empty() ? this->window(window) : widget(window, control);
        const auto text = what == Told::Name ? QAccessible::Name : QAccessible::Description;
        return toU16(QAccessible::queryAccessibleInterface(w)->text(text));
    }
    std::string focus() override {
        const QWidget* f = QApplication::focusWidget();
        return f == nullptr ? ""
               : openBox() == f->window()
                   ? "MessageBox"
                   : (f->window()->objectName() + '.' + f->objectName()).toStdString();
    }
    std::optional<std::u16string> box() override {
        const QMessageBox* open = openBox();
        return open ? std::optional(toU16(open->windowTitle() + '\n' + open->text()))
                    : std::nullopt;
    }
    WindowView view(WindowId window) override {
        QtWindow* found = this->window(window);
        // The size the window system gave it, and as Qt paints it, at the screen's scale.
        const QSizeF native =
            QSizeF(found->windowHandle()->handle()->geometry().size()) / found->devicePixelRatio();
        const QImage shot = found->grab().toImage().convertToFormat(QImage::Format_RGB32);
        return {.caption = toU16(found->windowTitle()),
                .fixed = found->minimumSize() == found->maximumSize(),
                .width = qRound(native.width()),
                .height = qRound(native.height()),
                .text = found->palette().color(QPalette::WindowText).rgb() & 0xFFFFFFU,
                .pixels = pixelsOf(shot),
                .pixelsAcross = shot.width()};
    }
    ControlView view(WindowId window, std::string_view control) override {
        QWidget* w = widget(window, control);
        ControlView view{.kind = "box", .place = {w->x(), w->y(), w->width(), w->height()}};
        if (auto* label = qobject_cast<QLabel*>(w)) {
            view.kind = "label";
            giveCaption(view, *label, 0, label->text());
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            view.kind = "button";
            const bool underlined =
                button->style()->styleHint(QStyle::SH_UnderlineShortcut, nullptr, button) != 0;
            giveCaption(view, *button, underlined ? Qt::TextShowMnemonic : Qt::TextHideMnemonic,
                        button->text());
            view.blank = blankOf(*button);
        } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
            view.style =
                std::string(" multiline") + (box->isReadOnly() ? " readonly" : "") +
                (box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? " vscroll" : "");
        } else {
            view.style = qobject_cast<QLineEdit*>(w)->isReadOnly() ? " readonly" : "";
        }
        view.points = w->font() == w->window()->font() ? 0 : w->font().pointSizeF();
        return view;
    }

private:
    [[nodiscard]] QtWindow* window(WindowId id) const {  // a window on the screen
        QtWindow* found = toolkit_.window(id);
        return found != nullptr && found->isVisible() ? found : nullptr;
    }
    [[nodiscard]] QWidget* widget(WindowId window, std::string_view control) const {
        QtWindow* found = this->window(window);
        return found != nullptr ? found->control(control) : nullptr;
    }
    static QMessageBox* openBox() {
        return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    }

    QtToolkit toolkit_;
    QObject posted_;  // work not yet run goes with it, never into the next driver's loop
};

}  // namespace

std::unique_ptr<Driver> makeDriver() { return std::make_unique<QtDriver>(); }

}  // namespace quillory::gui
