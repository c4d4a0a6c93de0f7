#pragma once

#include <windows.h>

#include "host/layout.h"

// How the layout records map to native window classes and styles.
namespace quillory::win32 {

struct NativeStyle {
    const wchar_t* className = nullptr;  // nullptr for the program's own top-level class
    DWORD style = 0;
    DWORD exStyle = 0;
};

[[nodiscard]] NativeStyle windowStyle(Border border);
[[nodiscard]] NativeStyle controlStyle(const ControlLayout& control);

// A layout font at a DPI; points may be fractional.
[[nodiscard]] LOGFONTW layoutFont(const Font& font, UINT dpi);

// The font, or where a native button or label would cut its caption off in
// it, the largest smaller size of it that shows the caption whole.
[[nodiscard]] LOGFONTW fittedFont(LOGFONTW font, const ControlLayout& control, UINT dpi);

}  // namespace quillory::win32
