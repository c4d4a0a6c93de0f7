#pragma once

#include <QWidget>
#include "host/qt/qt_fonts.h"
#include "host/toolkit.h"

namespace quillory {

// A top-level window built from a layout. Its close box asks the host to
// unload it instead of closing it directly, so the unload handler runs.
class QtWindow final : public QWidget {
    Q_OBJECT
public:
    QtWindow(const WindowLayout& layout, QtFonts& fonts, const ButtonHandler& onButton,
             CloseHandler onClose);

    [[nodiscard]] const WindowLayout& windowLayout() const { return layout_; }
    [[nodiscard]] QWidget* control(std::string_view name) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    // Draws each label that has a colour of its own readably on the palette.
    void applyColours();
    void createControl(const ControlLayout& control, QtFonts& fonts, const ButtonHandler& onButton);

    const WindowLayout& layout_;
    CloseHandler onClose_;
};

}  // namespace quillory
