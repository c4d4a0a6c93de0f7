#pragma once

#include <QPointer>
#include <array>

#include "host/qt/qt_accessibility.h"
#include "host/qt/qt_window.h"
#include "host/toolkit.h"

namespace quillory {

// The host's native side on Qt Widgets. Qt must not end the program by
// itself when the last window closes: WindowHost decides that.
class QtToolkit final : public Toolkit {
public:
    QtToolkit();
    ~QtToolkit() override;

    // The loaded window, or nullptr.
    [[nodiscard]] QtWindow* window(WindowId id) const { return windows_.at(indexOf(id)); }

    void build(const WindowLayout& layout, ButtonHandler onButton, CloseHandler onClose) override;
    void show(WindowId id) override;
    void activate(WindowId id) override;
    void focus(WindowId id, const ControlLayout& control) override;
    void destroy(WindowId id) override;
    [[nodiscard]] std::u16string text(WindowId id, const ControlLayout& control) override;
    void setText(WindowId id, const ControlLayout& control, std::u16string_view text) override;
    void announceNameChange(WindowId id, const ControlLayout& label,
                            std::u16string_view name) override;
    void describe(WindowId id, const ControlLayout& control,
                  std::u16string_view description) override;
    void messageBox(std::u16string_view text) override;
    void endRun() override;
    [[noreturn]] void stopProgram(const std::string& reason) override;

private:
    AccessibleInterfaces accessibleInterfaces_;
    QtFonts fonts_;
    std::array<QPointer<QtWindow>, allWindows.size()> windows_;
    std::array<QPointer<QtWindow>, allWindows.size()> unloaded_;  // hidden, not yet deleted
};

}  // namespace quillory
