#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "host/toolkit.h"
#include "host/win32/accessible_text.h"
#include "host/win32/gdi_font.h"

namespace quillory::win32 {

// A top-level window built from a layout, with its controls. Its close box
// asks the host to unload it instead of destroying it, so the unload handler
// runs; the native window goes when this object does.
class Win32Window {
public:
    Win32Window(const WindowLayout& layout, ButtonHandler onButton, CloseHandler onClose);
    ~Win32Window();
    Win32Window(const Win32Window&) = delete;
    Win32Window& operator=(const Win32Window&) = delete;

    [[nodiscard]] HWND handle() const { return handle_; }
    [[nodiscard]] const WindowLayout& layout() const { return layout_; }
    // The control called name, or nullptr.
    [[nodiscard]] HWND control(std::string_view name) const;
    // The layout record of one of this window's controls, or nullptr.
    [[nodiscard]] const ControlLayout* controlLayout(HWND control) const;
    [[nodiscard]] UINT dpi() const { return dpi_; }

    // Whether window is a top-level window of the program.
    [[nodiscard]] static bool isProgramWindow(HWND window);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT onStaticColour(HDC dc, HWND control);
    void onDpiChanged(UINT dpi, const RECT& suggested);

    void createFonts();  // for the window's DPI
    void createControls();
    // Gives the window the layout's client size at its DPI, if it has not.
    void sizeClientArea();

    const WindowLayout& layout_;
    ButtonHandler onButton_;
    CloseHandler onClose_;
    // The window's own: its procedure answers screen readers.
    AccessibleText accessibleText_;
    HWND handle_ = nullptr;
    std::vector<HWND> controls_;  // in layout order
    UINT dpi_;
    std::vector<GdiFont> fonts_;  // in layout order
};

}  // namespace quillory::win32
