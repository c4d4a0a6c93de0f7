#pragma once

#include <array>
#include <memory>

#include "host/toolkit.h"
#include "host/win32/win32_window.h"

namespace quillory::win32 {

// The host's native side on the Windows API. Windows must not end the
// program by itself when the last window closes: WindowHost decides that.
class Win32Toolkit final : public Toolkit {
public:
    Win32Toolkit();

    // The loaded window, or nullptr.
    [[nodiscard]] const Win32Window* window(WindowId id) const {
        return windows_.at(indexOf(id)).get();
    }

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
    std::array<std::unique_ptr<Win32Window>, allWindows.size()> windows_;
};

// Libraries loaded by name, also by Windows' own, come from the system folder only.
void limitLibrarySearch();

// Runs the program's message loop until the run ends; returns its exit code.
// Tab and access keys work in every window of the program.
int runMessageLoop();

}  // namespace quillory::win32
