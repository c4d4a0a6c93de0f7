#pragma once

#include <windows.h>

// Pixel sizes for the DPI a window is shown at. The per-monitor functions are
// looked up at run time: where Windows lacks them, the system DPI serves.
namespace quillory::win32 {

// WM_DPICHANGED, which Windows 8.1 and later send when a window moves to a
// screen of another DPI; the headers for Windows XP do not name it.
inline constexpr UINT dpiChangedMessage = 0x02E0;

[[nodiscard]] UINT systemDpi();
[[nodiscard]] UINT dpiOf(HWND window);

// The outer size of a window whose client area is width by height pixels.
[[nodiscard]] SIZE frameSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi);

// The system's message font, sized for dpi.
[[nodiscard]] LOGFONTW messageFont(UINT dpi);

}  // namespace quillory::win32
