#pragma once

#include <windows.h>

#include "host/win32/win32_toolkit.h"
#include "host/window_host.h"
#include "scenarios/driver.h"
#include "win32/gui_thread.h"

namespace quillory::scenario {

// Drives the Windows program as the window manager would: clicks and keys
// are posted to the window under them or with the focus and go through the
// program's own message loop, so Tab, access keys and message boxes are
// handled by the Windows API itself. Input reaches only windows that could
// take it: a window disabled by a message box takes no click.
class Win32Driver final : public Driver {
public:
    Win32Driver(const win32::Win32Toolkit& toolkit, const WindowHost& host, const GuiThread& gui)
        : toolkit_(toolkit), host_(host), gui_(gui) {}

    std::vector<std::string> openWindows() override;
    std::u16string windowCaption(std::string_view window) override;
    PixelRect clientArea(std::string_view window) override;
    PixelRect controlRect(std::string_view window, std::string_view control) override;
    bool isResizable(std::string_view window) override;

    void click(std::string_view window, std::string_view control) override;
    void type(std::u16string_view text) override;
    void press(Key key) override;
    void pressAlt(char letter) override;
    void closeWindow(std::string_view window) override;

    std::optional<Focus> focus() override;
    std::u16string text(std::string_view window, std::string_view control) override;
    VisibleLines visibleLines(std::string_view window, std::string_view control) override;

    std::optional<std::u16string> messageBox() override;
    std::u16string messageBoxTitle() override;
    void dismissMessageBox() override;

    bool runEnded() override;

private:
    // These run on the GUI thread; they throw when the window is not open.
    [[nodiscard]] const win32::Win32Window& openWindow(std::string_view name) const;
    [[nodiscard]] HWND controlHandle(std::string_view window, std::string_view control) const;
    [[nodiscard]] std::string nameOf(HWND topLevel) const;
    void postKeyStroke(UINT key, bool shift, bool control, bool alt) const;

    const win32::Win32Toolkit& toolkit_;
    const WindowHost& host_;
    const GuiThread& gui_;
};

}  // namespace quillory::scenario
