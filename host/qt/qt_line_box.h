#pragma once

#include <QLineEdit>

class QAccessibleInterface;

namespace quillory {

// A one-line box as screen readers need it. Its text is selected on Tab only
// once Qt has told them of the focus: Qt tells them afterwards, and a caret
// moving in a box that does not have the focus yet is taken for a silent
// move of the focus. And its text is read whole (see lineBoxInterface).
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

// The box's accessible interface. Qt's own reports every character as an
// empty run of text attributes, and a screen reader that splits a text by
// those runs, to find its language, then drops the text's last character.
QAccessibleInterface* lineBoxInterface(LineBox* box);

}  // namespace quillory
