#include "host/qt/qt_window.h"

#include <QCloseEvent>
#include <QFontMetricsF>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

#include "host/qt/qt_accessibility.h"
#include "host/qt/qt_line_box.h"
#include "host/qt/qt_text.h"
#include "host/readable_colour.h"
#include "host/spoken_text.h"
#include "host/twips.h"

namespace quillory {
namespace {

// A push button whose caption wraps onto more lines when it is too long for
// one, and which is pressed at once when its access key is typed, taking the
// focus as a native dialog's button does (Qt would animate the press first).
class CaptionButton final : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    bool event(QEvent* event) override {
        if (event->type() == QEvent::Shortcut && isEnabled()) {
            setFocus(Qt::ShortcutFocusReason);
            click();
            return true;
        }
        return QPushButton::event(event);
    }

    void paintEvent(QPaintEvent* /*event*/) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        painter.drawControl(QStyle::CE_PushButton, option);  // bevel and focus frame
        int flags = Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic;
        if (!style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this)) {
            flags |= Qt::TextHideMnemonic;
        }
        const QRect contents =
            style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
        painter.drawItemText(contents, flags, option.palette, isEnabled(), text(),
                             QPalette::ButtonText);
    }
};

Colour toColour(const QColor& colour) {
    return {static_cast<std::uint8_t>(colour.red()), static_cast<std::uint8_t>(colour.green()),
            static_cast<std::uint8_t>(colour.blue())};
}

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// A multi-line box that, read-only, takes no input method's text: Qt 6.4.2's
// takes it where the mouse can select (QWidgetTextControl accepts the commit);
// Qt 6.8 tells input methods that such a box takes none.
class TextArea final : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override {
        if (query == Qt::ImEnabled && isReadOnly()) {
            return false;
        }
        return QPlainTextEdit::inputMethodQuery(query);
    }

protected:
    void inputMethodEvent(QInputMethodEvent* event) override {
        if (isReadOnly()) {
            event->ignore();
            return;
        }
        QPlainTextEdit::inputMethodEvent(event);
    }
};
#else
using TextArea = QPlainTextEdit;
#endif

QWidget* createTextBox(const ControlLayout& control, QWidget* parent) {
    if (!control.textBox.multiLine) {
        auto* box = new LineBox(toQString(control.caption), parent);
        box->setReadOnly(control.textBox.readOnly);
        return box;
    }
    auto* box = new TextArea(parent);
    box->setPlainText(toMultiLineText(control.caption));
    box->setReadOnly(control.textBox.readOnly);
    if (control.textBox.readOnly) {
        // Still reachable by keyboard, so the list scrolls with the arrow keys.
        box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    }
    box->setVerticalScrollBarPolicy(control.textBox.verticalScrollBar ? Qt::ScrollBarAlwaysOn
                                                                      : Qt::ScrollBarAlwaysOff);
    box->setTabChangesFocus(true);
    // Columns of tabbed text are laid out for a native edit box's stops,
    // 32 dialog units apart: eight whole average character widths.
    const auto averageWidth = std::floor(QFontMetricsF(box->font()).averageCharWidth());
    box->setTabStopDistance(8 * averageWidth);
    return box;
}

}  // namespace

QtWindow::QtWindow(const WindowLayout& layout, QtFonts& fonts, const ButtonHandler& onButton,
                   CloseHandler onClose)
    : layout_(layout), onClose_(std::move(onClose)) {
    setObjectName(toQString(nameOf(layout.id)));
    setAccessibleDescription(toQString(windowDescription(layout)));
    setFont(fonts.windowFont());
    setWindowTitle(toQString(layout.caption));
    const QSize client(twipsToPixels(layout.clientWidth), twipsToPixels(layout.clientHeight));
    if (layout.border == Border::Fixed) {
        setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                       Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                       Qt::MSWindowsFixedSizeDialogHint);
        setFixedSize(client);
    } else {
        setWindowFlags(Qt::Window);
        resize(client);
    }

    // Made in tab order, which Qt's focus chain follows: it is the order of making.
    for (const auto* control : layout.inTabOrder()) {
        createControl(*control, fonts, onButton);
    }
    applyColours();
}

void QtWindow::applyColours() {
    const Palette shown{.background = toColour(palette().color(QPalette::Window)),
                        .text = toColour(palette().color(QPalette::WindowText))};
    for (const auto& control : layout_.controls) {
        if (QWidget* widget = this->control(control.name); widget && control.colour) {
            const Colour c = readableColour(*control.colour, shown);
            QPalette palette = widget->palette();
            palette.setColor(QPalette::WindowText, QColor(c.red, c.green, c.blue));
            widget->setPalette(palette);
        }
    }
}

void QtWindow::changeEvent(QEvent* event) {
    // A theme or palette chosen while the program runs reaches each window
    // as a change of its own palette (after ApplicationPaletteChange).
    if (event->type() == QEvent::PaletteChange) {
        applyColours();
    }
    QWidget::changeEvent(event);
}

void QtWindow::createControl(const ControlLayout& control, QtFonts& fonts,
                             const ButtonHandler& onButton) {
    QWidget* widget = nullptr;
    switch (control.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(toQString(control.caption), this);
        label->setTextFormat(Qt::PlainText);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        widget = label;
        break;
    }
    case ControlKind::TextBox: widget = createTextBox(control, this); break;
    case ControlKind::Button: {
        auto* button = new CaptionButton(toQString(control.caption), this);
        button->setAutoDefault(false);
        const std::string_view name = control.name;
        connect(button, &QPushButton::clicked, this, [onButton, name] { onButton(name); });
        widget = button;
        break;
    }
    }
    widget->setObjectName(toQString(control.name));
    widget->setFocusPolicy(control.takesFocus() ? Qt::StrongFocus : Qt::NoFocus);
    const Rect& r = control.rect;
    widget->setGeometry(twipsToPixels(r.left), twipsToPixels(r.top), twipsToPixels(r.width),
                        twipsToPixels(r.height));
    if (control.font) {
        widget->setFont(fonts.font(*control.font));
    }
    applyAccessibleName(*widget, control);
}

QWidget* QtWindow::control(std::string_view name) const {
    return findChild<QWidget*>(toQString(name), Qt::FindDirectChildrenOnly);
}

void QtWindow::closeEvent(QCloseEvent* event) {
    event->ignore();
    onClose_();
}

}  // namespace quillory
