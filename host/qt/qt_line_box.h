#pragma once

#include <QLineEdit>

class QAccessibleInterface;

namespace quillory {

// A one-line box as Orca 43.1 needs it from Qt 6.4.2 (Debian 12). Its text
// is selected on Tab only once Qt has told screen readers of the focus, or a
// caret moving in a box without the focus is taken for a silent move of the
// focus; only the screen-reader test (ctest -L screen-reader) shows it. And
// its text is read whole (see lineBoxInterface).
class LineBox final : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

    // Where the character at offset is drawn, in the widget's pixels.
    [[nodiscard]] QRect characterRect(int offset) const;

protected:
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void selectIfPending();

    bool selectionPending_ = false;
};

// The box's accessible interface. Qt 6.4.2's own reports every character as
// an empty run of text attributes, by which Orca drops the last character.
QAccessibleInterface* lineBoxInterface(LineBox* box);

}  // namespace quillory
