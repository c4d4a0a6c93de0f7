#include "host/qt/qt_line_box.h"

#include <QAccessibleWidget>
#include <QFocusEvent>

namespace quillory {

QRect LineBox::characterRect(int offset) const {
    // The caret's place is known; the text is laid out in one run from it.
    const QFontMetrics metrics = fontMetrics();
    const QString shown = displayText();
    const int caretX = cursorRect().center().x();
    const int left = caretX - metrics.horizontalAdvance(shown.left(cursorPosition())) +
                     metrics.horizontalAdvance(shown.left(offset));
    const int width = metrics.horizontalAdvance(shown.mid(offset, 1));
    return {left, cursorRect().top(), width, cursorRect().height()};
}

void LineBox::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::TabFocusReason && reason != Qt::BacktabFocusReason &&
        reason != Qt::ShortcutFocusReason) {
        QLineEdit::focusInEvent(event);
        return;
    }
    // Selected once Qt has told screen readers of the focus, or before a
    // key typed sooner is handled (for Orca 43.1: see qt_line_box.h).
    QFocusEvent plain(QEvent::FocusIn, Qt::OtherFocusReason);
    QLineEdit::focusInEvent(&plain);
    selectionPending_ = !hasSelectedText();
    QMetaObject::invokeMethod(this, &LineBox::selectIfPending, Qt::QueuedConnection);
}

void LineBox::keyPressEvent(QKeyEvent* event) {
    selectIfPending();
    QLineEdit::keyPressEvent(event);
}

void LineBox::mousePressEvent(QMouseEvent* event) {
    selectionPending_ = false;  // the click places the caret
    QLineEdit::mousePressEvent(event);
}

void LineBox::selectIfPending() {
    if (selectionPending_ && hasFocus()) {
        selectAll();
    }
    selectionPending_ = false;
}

namespace {

class LineBoxAccessible final : public QAccessibleWidget,
                                public QAccessibleTextInterface,
                                public QAccessibleEditableTextInterface {
public:
    explicit LineBoxAccessible(LineBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    [[nodiscard]] QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? box()->displayText() : QAccessibleWidget::text(kind);
    }
    [[nodiscard]] QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = box()->isReadOnly();
        state.editable = !state.readOnly;
        state.selectableText = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) {
            return static_cast<QAccessibleTextInterface*>(this);
        }
        if (type == QAccessible::EditableTextInterface) {
            return static_cast<QAccessibleEditableTextInterface*>(this);
        }
        return QAccessibleWidget::interface_cast(type);
    }

    // The text: one run of attributes, none set.
    [[nodiscard]] QString attributes(int /*offset*/, int* start, int* end) const override {
        *start = 0;
        *end = characterCount();
        return {};
    }
    [[nodiscard]] QString text(int start, int end) const override {
        return box()->displayText().mid(start, end - start);
    }
    [[nodiscard]] int characterCount() const override {
        return static_cast<int>(box()->displayText().size());
    }
    [[nodiscard]] int cursorPosition() const override { return box()->cursorPosition(); }
    void setCursorPosition(int position) override { box()->setCursorPosition(position); }
    void scrollToSubstring(int start, int /*end*/) override { box()->setCursorPosition(start); }
    [[nodiscard]] QRect characterRect(int offset) const override {
        const QRect local = box()->characterRect(offset);
        return {box()->mapToGlobal(local.topLeft()), local.size()};
    }
    [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
        return box()->cursorPositionAt(box()->mapFromGlobal(point));
    }

    // The selection: at most one.
    [[nodiscard]] int selectionCount() const override { return box()->hasSelectedText() ? 1 : 0; }
    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index == 0 && box()->hasSelectedText()) {
            *start = box()->selectionStart();
            *end = *start + box()->selectionLength();
        }
    }
    void setSelection(int index, int start, int end) override {
        if (index == 0) {
            box()->setSelection(start, end - start);
        }
    }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) {
            box()->deselect();
        }
    }

    // Editing, unless the box is read-only.
    void replaceText(int start, int end, const QString& text) override {
        if (!box()->isReadOnly()) {
            box()->setText(box()->text().replace(start, end - start, text));
        }
    }
    void deleteText(int start, int end) override { replaceText(start, end, {}); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }

private:
    [[nodiscard]] LineBox* box() const { return qobject_cast<LineBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* lineBoxInterface(LineBox* box) { return new LineBoxAccessible(box); }

}  // namespace quillory
