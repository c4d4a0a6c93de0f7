#pragma once

#include <QPointer>
#include <array>
#include <functional>

#include "host/qt/qt_accessibility.h"
#include "host/qt/qt_window.h"
#include "host/toolkit.h"
#include "host/window_host.h"

namespace quillory {

// The host's native side on Qt Widgets. Qt must not end the program by
// itself when the last window closes: WindowHost decides that.
class QtToolkit final : public Toolkit {
public:
    QtToolkit();
    ~QtToolkit() override;
    QtToolkit(const QtToolkit&) = delete;
    QtToolkit& operator=(const QtToolkit&) = delete;

    // Where the learner's clicks and close-box presses go.
    void attach(WindowHost& host) { host_ = &host; }

    // The loaded window, or nullptr.
    [[nodiscard]] QtWindow* window(WindowId id) const { return windows_.at(indexOf(id)); }

    void build(const WindowLayout& layout) override;
    void present(WindowId id) override;
    void activate(WindowId id) override;
    void destroy(WindowId id) override;
    [[nodiscard]] std::u16string text(WindowId id, const ControlLayout& control) override;
    void setText(WindowId id, const ControlLayout& control, std::u16string_view text) override;
    void messageBox(std::u16string_view text) override;
    void endRun() override;

private:
    // Runs an event's handler; a failing window operation stops the program.
    void dispatch(const std::function<void(WindowHost&)>& handle) const;
    QWidget& widget(WindowId id, const ControlLayout& control) const;

    AccessibleInterfaces accessibleInterfaces_;
    WindowHost* host_ = nullptr;
    QtFonts fonts_;
    std::array<QPointer<QtWindow>, allWindows.size()> windows_;
};

}  // namespace quillory
