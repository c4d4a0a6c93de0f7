#include "host/win32/dpi.h"

#include "host/twips.h"

namespace quillory::win32 {
namespace {

// A user32 function newer than the oldest Windows the program runs on, or
// nullptr where it is missing.
template <typename Function>
Function user32Function(const char* name) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"user32.dll"), name);
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

}  // namespace

UINT systemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
    ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi > 0 ? dpi : standardDpi);
}

UINT dpiOf(HWND window) {
    static const auto getDpiForWindow = user32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    const UINT dpi = getDpiForWindow != nullptr ? getDpiForWindow(window) : 0;
    return dpi != 0 ? dpi : systemDpi();
}

SIZE frameSize(int width, int height, DWORD style, DWORD exStyle, UINT dpi) {
    static const auto adjustForDpi =
        user32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    RECT frame{0, 0, width, height};
    if (adjustForDpi != nullptr) {
        adjustForDpi(&frame, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&frame, style, FALSE, exStyle);
    }
    return {frame.right - frame.left, frame.bottom - frame.top};
}

LOGFONTW messageFont(UINT dpi) {
    static const auto forDpi =
        user32Function<BOOL(WINAPI*)(UINT, UINT, void*, UINT, UINT)>("SystemParametersInfoForDpi");
    // Windows XP's metrics; Vista added iPaddedBorderWidth at the end, and
    // the per-DPI call, of Windows 10, wants the structure with it.
    struct {
        NONCLIENTMETRICSW xp;
        int paddedBorderWidth;
    } metrics{};
    metrics.xp.cbSize = sizeof(metrics);
    if (forDpi != nullptr &&
        forDpi(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0, dpi) != FALSE) {
        return metrics.xp.lfMessageFont;
    }
    metrics.xp.cbSize = sizeof(metrics.xp);
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof(metrics.xp), &metrics.xp, 0);
    LOGFONTW font = metrics.xp.lfMessageFont;
    font.lfHeight = MulDiv(font.lfHeight, static_cast<int>(dpi), static_cast<int>(systemDpi()));
    return font;
}

}  // namespace quillory::win32
