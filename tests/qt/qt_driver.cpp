// The Qt program, driven through the window system's own input path: mouse
// and key events reach a QWindow as if from the display server, handled
// before the call returns and with nothing else run meanwhile (the harness
// decides when the event loop runs).
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
#include <array>

#include "app/program_windows.h"
#include "gui/driver.h"
#include "host/qt/qt_display_sync.h"
#include "host/qt/qt_text.h"
#include "host/qt/qt_toolkit.h"

namespace quillory::gui {
namespace {

using Synchronous = QWindowSystemInterface::SynchronousDelivery;

// Whether a Wayland compositor decides which window is active. It never sees
// the clicks sent here, and the protocol lets no client activate its own
// window, so there a click activates nothing: the compositor's own choices,
// as each window comes and goes, are what the scenarios see.
bool compositorActivates() { return QGuiApplication::platformName().startsWith(u"wayland"); }

// The window system's word that the window is now the active one.
void windowSystemActivates(QWindow* window) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    QWindowSystemInterface::handleFocusWindowChanged<Synchronous>(window);
#else
    QWindowSystemInterface::handleWindowActivated<Synchronous>(window);
#endif
}

// Elsewhere a window manager activates the window a click lands on, as the
// offscreen platform does not. A window behind a modal box is not activated:
// the box is, as Qt's X11 backend relays the focus and as Windows keeps such
// windows disabled. The click itself Qt then drops.
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
    // The window system speaks in the screen's own pixels.
    const QPoint middle = widget->rect().center();
    const QPointF at =
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

// The caption laid out whole at the width of its room (in the control),
// as the control lays it out but free to run past it, black on white on a
// sheet a room's width and height bigger on every side.
// An image's pixels, row by row, as 0xAARRGGBB.
std::vector<std::uint32_t> pixelsOf(const QImage& image) {
    const auto* first = reinterpret_cast<const std::uint32_t*>(image.constBits());
    return {first, std::next(first, static_cast<std::ptrdiff_t>(image.width()) * image.height())};
}

void giveCaption(ControlView& view, const QWidget& control, const QRect& room, int flags,
                 const QString& text) {
    const qreal ratio = control.devicePixelRatioF();
    const int margin = room.width() + room.height();
    QImage sheet((room.size() + 2 * QSize(margin, margin)) * ratio, QImage::Format_RGB32);
    sheet.setDevicePixelRatio(ratio);
    sheet.setDotsPerMeterX(qRound(control.logicalDpiX() / 0.0254));
    sheet.setDotsPerMeterY(qRound(control.logicalDpiY() / 0.0254));
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    painter.setFont(control.font());
    painter.drawText(QRect(QPoint(margin, margin), room.size()), flags | Qt::TextDontClip, text);
    painter.end();
    view.whole = pixelsOf(sheet);
    view.wholeAcross = sheet.width();
    const QRect inWindow = room.translated(control.pos());
    view.room = {inWindow.x(), inWindow.y(), inWindow.width(), inWindow.height()};
}

// A one-line box as a screen reader reads it: run by run of its text
// attributes, as Orca splits it. Where what the reader is told of its text,
// caret, selection and states is not what the box is, that is said instead.
QString toldOf(QLineEdit* box) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(box);
    QAccessibleTextInterface* text = face->textInterface();
    if (text == nullptr) {
        return QStringLiteral("(no text interface)");
    }
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

ControlView viewOf(QWidget* w, const QWidget& window) {
    ControlView view{.name = w->objectName().toStdString(),
                     .kind = "box",
                     .place = {w->x(), w->y(), w->width(), w->height()}};
    if (auto* label = qobject_cast<QLabel*>(w)) {
        view.kind = "label";
        giveCaption(view, *label, label->contentsRect(),
                    static_cast<int>(label->alignment()) | Qt::TextWordWrap, label->text());
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        view.kind = "button";
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect room =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const bool underlined =
            button->style()->styleHint(QStyle::SH_UnderlineShortcut, &option, button) != 0;
        giveCaption(view, *button, room,
                    Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic |
                        (underlined ? 0 : Qt::TextHideMnemonic),
                    button->text());
    } else if (auto* box = qobject_cast<QPlainTextEdit*>(w)) {
        view.style = std::string(" multiline") + (box->isReadOnly() ? " readonly" : "") +
                     (box->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOn ? " vscroll" : "");
    } else {
        view.style = qobject_cast<QLineEdit*>(w)->isReadOnly() ? " readonly" : "";
    }
    view.points = w->font() == window.font() ? 0 : w->font().pointSizeF();
    return view;
}

// The appearance the run asks for (QUILLORY_APPEARANCE), chosen as a
// learner would while the program runs: GNOME's dark theme, or a
// high-contrast palette as Qt builds it from Windows' High Contrast schemes.
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
    void start() override {
        toolkit_ = std::make_unique<QtToolkit>();
        host_ = std::make_unique<WindowHost>(*toolkit_, makeWindows());
        host_->start(WindowId::Form1);
        // A learner starts once the menu has the keyboard; the window system
        // reports that later, from the event loop.
        if (!QTest::qWaitFor([] { return QGuiApplication::focusWindow() != nullptr; },
                             std::chrono::milliseconds(patience).count())) {
            ADD_FAILURE() << "the menu never received the keyboard focus";
        }
        chooseAppearance(qgetenv("QUILLORY_APPEARANCE"));
    }
    void post(std::function<void()> work) override {
        QMetaObject::invokeMethod(qApp, std::move(work), Qt::QueuedConnection);
    }
    int runLoop() override { return QApplication::exec(); }
    void quit(int code) override { QCoreApplication::exit(code); }
    bool settled(int turns) override {
        // On a display server, focus and activation come back asynchronously:
        // a round trip makes sure they have arrived before the loop's next turn.
        syncWithDisplay();
        // With no window manager (the test's X server, or no display at all),
        // nobody gives the focus back when a box or window goes, and an X
        // server refuses Qt's own late request: the lone window left gets
        // it, as a manager would. A window hidden keeps Qt's focus until
        // the window system says otherwise.
        const auto shown = windows();
        const QWindow* focused = QGuiApplication::focusWindow();
        if (turns >= 2 && !compositorActivates() && shown.size() == 1 &&
            (focused == nullptr || !focused->isVisible()) &&
            QApplication::activeModalWidget() == nullptr) {
            windowSystemActivates(window(shown[0])->windowHandle());
        }
        return turns >= 2;
    }
    // Every window shown is on the screen, laid out; a compositor brings a new
    // window to the front in its own time.
    bool caughtUp() override {
        const bool exposed = std::ranges::all_of(QApplication::topLevelWidgets(), [](QWidget* top) {
            return !top->isVisible() || top->windowHandle()->isExposed();
        });
        return exposed && (!compositorActivates() || windows().empty() ||
                           (openBox() != nullptr ? focus() == "MessageBox"
                                                 : QGuiApplication::focusWindow() != nullptr));
    }
    void stop() override {
        host_.reset();
        toolkit_.reset();
    }

    void click(std::string_view window, std::string_view control) override {
        clickOn(widget(window, control));
    }
    void type(std::u16string_view text) override {
        for (const char32_t c : toQString(text).toUcs4()) {
            const QString typed = QString::fromUcs4(&c, 1);
            // Beyond ASCII a letter comes from an input method (a compose key,
            // IBus) where the focused widget takes one, committed straight to it
            // as Qt's input contexts do; elsewhere a widget reads a key's text.
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
        const int code = pressed.key() == Qt::Key_Tab && modifiers == Qt::ShiftModifier
                             ? Qt::Key_Backtab
                             : pressed.key();
        const char text = QTest::keyToAscii(static_cast<Qt::Key>(code));
        sendKey(code, text != 0 ? QString(QChar(text)) : QString(), modifiers);
    }
    void closeBox(std::string_view window) override {
        // The request a window manager sends when the close box is pressed.
        if (QtWindow* found = this->window(window)) {
            QWindowSystemInterface::handleCloseEvent<Synchronous>(found->windowHandle());
        }
    }
    void pressOk() override { clickOn(openBox() ? openBox()->button(QMessageBox::Ok) : nullptr); }

    bool shown(std::string_view window) override {  // what is on the screen, made by whoever
        return std::ranges::any_of(QApplication::topLevelWidgets(), [window](QWidget* top) {
            return qobject_cast<QtWindow*>(top) != nullptr && top->isVisible() &&
                   top->objectName() == toQString(window);
        });
    }
    std::u16string text(std::string_view window, std::string_view control) override {
        QWidget* w = widget(window, control);
        if (const auto* box = qobject_cast<QPlainTextEdit*>(w)) {
            return fromMultiLineText(box->toPlainText());
        }
        if (auto* line = qobject_cast<QLineEdit*>(w)) {
            return toU16(toldOf(line));
        }
        // A label's and a button's text is their "text" property.
        return w != nullptr ? toU16(w->property("text").toString()) : u"(not shown)";
    }
    std::array<int, 3> place(std::string_view window, std::string_view control) override {
        const auto* box = qobject_cast<QPlainTextEdit*>(widget(window, control));
        if (box == nullptr) {
            return {-1, -1, -1};
        }
        const QTextCursor caret = box->textCursor();
        return {box->verticalScrollBar()->value(), caret.selectionStart(), caret.selectionEnd()};
    }
    std::u16string accessible(std::string_view window, std::string_view control,
                              Told what) override {
        QWidget* w = control.empty() ? this->window(window) : widget(window, control);
        const auto text = what == Told::Name ? QAccessible::Name : QAccessible::Description;
        return w != nullptr ? toU16(QAccessible::queryAccessibleInterface(w)->text(text))
                            : u"(not shown)";
    }
    std::string focus() override {
        const QWidget* f = QApplication::focusWidget();
        return f == nullptr ? ""
               : openBox() == f->window()
                   ? "MessageBox"
                   : (f->window()->objectName() + '.' + f->objectName()).toStdString();
    }
    std::optional<std::u16string> box() override {
        if (const QMessageBox* open = openBox()) {
            return toU16(open->windowTitle() + '\n' + open->text());
        }
        return std::nullopt;
    }
    bool ended() override { return host_->runEnded(); }
    std::optional<WindowView> view(std::string_view window) override {
        QtWindow* found = this->window(window);
        if (found == nullptr) {
            return std::nullopt;
        }
        // The size the window system gave it, in logical pixels at the screen's scale.
        const QSizeF native =
            QSizeF(found->windowHandle()->handle()->geometry().size()) / found->devicePixelRatio();
        WindowView view{.caption = toU16(found->windowTitle()),
                        .fixed = found->minimumSize() == found->maximumSize(),
                        .width = qRound(native.width()),
                        .height = qRound(native.height()),
                        .text = found->palette().color(QPalette::WindowText).rgb() & 0xFFFFFFU};
        for (const auto& control : host_->layoutOf(id(window)).controls) {
            view.controls.push_back(viewOf(found->control(control.name), *found));
        }
        // As Qt paints it for the screen, at the screen's scale.
        const QImage shot = found->grab().toImage().convertToFormat(QImage::Format_RGB32);
        view.pixels = pixelsOf(shot);
        view.pixelsAcross = shot.width();
        return view;
    }

private:
    static WindowId id(std::string_view window) {
        return *std::ranges::find(allWindows, window, nameOf);
    }
    [[nodiscard]] QtWindow* window(std::string_view name) const {
        QtWindow* found = toolkit_ != nullptr ? toolkit_->window(id(name)) : nullptr;
        return found != nullptr && found->isVisible() ? found : nullptr;
    }
    [[nodiscard]] QWidget* widget(std::string_view window, std::string_view control) const {
        QtWindow* found = this->window(window);
        return found != nullptr ? found->control(control) : nullptr;
    }
    static QMessageBox* openBox() {
        return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    }

    std::unique_ptr<QtToolkit> toolkit_;
    std::unique_ptr<WindowHost> host_;
};

}  // namespace

std::unique_ptr<Driver> makeDriver() { return std::make_unique<QtDriver>(); }

}  // namespace quillory::gui
