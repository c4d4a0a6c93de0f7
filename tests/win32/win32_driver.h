#pragma once

#include <windows.h>

#include <memory>

#include "gui/driver.h"
#include "host/win32/win32_toolkit.h"
#include "host/window_host.h"

namespace quillory::gui {

// The Windows program, driven as the window manager would: clicks and keys
// are posted to the window under them or with the focus and go through the
// program's own message loop, so Tab, access keys and message boxes are the
// Windows API's own. Input reaches only windows that could take it: a
// window disabled by a message box takes no click.
class Win32Driver final : public Driver {
public:
    Win32Driver();
    ~Win32Driver() override;
    Win32Driver(const Win32Driver&) = delete;
    Win32Driver& operator=(const Win32Driver&) = delete;

    void start() override;
    void post(std::function<void()> work) override;
    int runLoop() override;
    void quit(int code) override;
    bool settled(int turns) override;
    void stop() override;

    void click(std::string_view window, std::string_view control) override;
    void type(std::u16string_view text) override;
    void press(std::string_view key) override;
    void pressAlt(char letter) override;
    void closeBox(std::string_view window) override;
    void pressOk() override;

    std::vector<std::string> windows() override;
    std::u16string text(std::string_view window, std::string_view control) override;
    std::string focus() override;
    std::optional<std::u16string> box() override;
    bool ended() override;
    std::pair<int, int> shownLines(std::string_view window, std::string_view control) override;
    std::u16string accessibleName(std::string_view window, std::string_view control) override;
    std::vector<std::string> describe(std::string_view window) override;
    int dpi(std::string_view window) override;

    // The open window called name, or nullptr.
    [[nodiscard]] const win32::Win32Window* window(std::string_view name) const;

private:
    [[nodiscard]] HWND control(std::string_view window, std::string_view name) const;

    HWND work_ = nullptr;  // a message-only window that runs posted work
    std::unique_ptr<win32::Win32Toolkit> toolkit_;
    std::unique_ptr<WindowHost> host_;
};

}  // namespace quillory::gui
