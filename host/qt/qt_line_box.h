#pragma once

#include <QLineEdit>

class QAccessibleInterface;

namespace quillory {

// A one-line box as Orca 43.1 needs it from Qt 6.4.2 (Debian 12). Its text
// is selected on Tab only once Qt has told screen readers of the focus: Qt
// tells them afterwards, and a caret moving in a box that does not have the
// focus yet is taken for a silent move of the focus. And its text is read
// whole (see lineBoxInterface; on a newer Qt, see whether a plain
// QLineEdit's text attributes still come in empty runs). The late selection
// no cheap check can judge, as only a screen reader shows it: select in
// focusInEvent and run the screen-reader test (ctest --preset default -L
// screen-reader).
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

// The box's accessible interface. Qt 6.4.2's own reports every character
// as an empty run of text attributes, and a screen reader that splits a text by
// those runs, to find its language, then drops the text's last character.
QAccessibleInterface* lineBoxInterface(LineBox* box);

}  // namespace quillory
