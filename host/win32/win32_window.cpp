#include "host/win32/win32_window.h"

#include <commctrl.h>

#include <cwchar>
#include <iterator>
#include <stdexcept>
#include <string>

#include "host/readable_colour.h"
#include "host/spoken_text.h"
#include "host/twips.h"
#include "host/win32/accessible_text.h"
#include "host/win32/control_styles.h"
#include "host/win32/dpi.h"
#include "host/win32/resource_ids.h"
#include "host/win32/wide_text.h"

namespace quillory::win32 {
namespace {

constexpr wchar_t windowClassName[] = L"QuilloryWindow";
// Control numbers start above IDOK and IDCANCEL, which Enter and Escape send.
constexpr int firstControlId = 100;

HINSTANCE instance() { return GetModuleHandleW(nullptr); }

int pixels(int twips, UINT dpi) { return twipsToPixels(twips, static_cast<int>(dpi)); }

Colour systemColour(int index) {
    const COLORREF colour = GetSysColor(index);
    return {GetRValue(colour), GetGValue(colour), GetBValue(colour)};
}

// What the windows are drawn with now.
Palette systemPalette() {
    HIGHCONTRASTW highContrast{};
    highContrast.cbSize = sizeof highContrast;
    const bool asked = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof highContrast,
                                             &highContrast, 0) != FALSE &&
                       (highContrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    return {.background = systemColour(COLOR_BTNFACE),
            .text = systemColour(COLOR_WINDOWTEXT),
            .highContrast = asked};
}

// A multi-line read-only box is a text to read, which keeps the learner's place:
// the dialog manager selects nothing in it as the focus comes, not all its text.
LRESULT CALLBACK readingBoxProcedure(HWND box, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR /*id*/, DWORD_PTR /*data*/) {
    if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(box, &readingBoxProcedure, 0);
    }
    const LRESULT answer = DefSubclassProc(box, message, wParam, lParam);
    return message == WM_GETDLGCODE ? answer & ~DLGC_HASSETSEL : answer;
}

HICON programIcon(int size) {
    return static_cast<HICON>(LoadImageW(instance(), MAKEINTRESOURCEW(QUILLORY_ICON), IMAGE_ICON,
                                         size, size, LR_DEFAULTCOLOR | LR_SHARED));
}

}  // namespace

Win32Window::Win32Window(const WindowLayout& layout, ButtonHandler onButton, CloseHandler onClose)
    : layout_(layout),
      onButton_(std::move(onButton)),
      onClose_(std::move(onClose)),
      accessibleText_{.description = windowDescription(layout)},
      controls_(layout.controls.size(), nullptr),
      dpi_(systemDpi()) {
    static const ATOM registered = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &Win32Window::procedure;
        // A dialog's class, so that Windows' dialog manager gives the focus
        // back to the control that had it on activation and passes Tab on from
        // a multi-line box; no control has IDOK or IDCANCEL for Enter or Escape.
        windowClass.cbWndExtra = DLGWINDOWEXTRA;
        windowClass.hInstance = instance();
        windowClass.hIcon = programIcon(GetSystemMetrics(SM_CXICON));
        windowClass.hIconSm = programIcon(GetSystemMetrics(SM_CXSMICON));
        windowClass.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
        // The colour's number, not a brush: it follows a change of colours.
        windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        windowClass.lpszClassName = windowClassName;
        return RegisterClassExW(&windowClass);
    }();
    // Made at its size for the system's DPI, the screen's unless screens of
    // several densities are attached, and so seldom resized before it shows.
    const auto native = windowStyle(layout.border);
    const SIZE frame =
        frameSize(pixels(layout.clientWidth, dpi_), pixels(layout.clientHeight, dpi_), native.style,
                  native.exStyle, dpi_);
    CreateWindowExW(native.exStyle, MAKEINTATOM(registered), wide(std::u16string(layout.caption)),
                    native.style, CW_USEDEFAULT, CW_USEDEFAULT, frame.cx, frame.cy, nullptr,
                    nullptr, instance(), this);
    if (handle_ == nullptr) {
        throw std::runtime_error("cannot create the window " + std::string(nameOf(layout.id)));
    }
    try {
        dpi_ = dpiOf(handle_);
        createFonts();
        sizeClientArea();
        createControls();
    } catch (...) {
        DestroyWindow(handle_);
        throw;
    }
}

Win32Window::~Win32Window() {
    if (handle_ != nullptr) {
        DestroyWindow(handle_);
    }
}

HWND Win32Window::control(std::string_view name) const {
    const ControlLayout* found = layout_.find(name);
    return found == nullptr
               ? nullptr
               : controls_.at(static_cast<std::size_t>(found - layout_.controls.data()));
}

const ControlLayout* Win32Window::controlLayout(HWND control) const {
    // Below firstControlId, the index wraps round to a number far too large.
    const auto index = static_cast<std::size_t>(GetDlgCtrlID(control) - firstControlId);
    return index < controls_.size() && controls_[index] == control ? &layout_.controls[index]
                                                                   : nullptr;
}

bool Win32Window::isProgramWindow(HWND window) {
    wchar_t name[std::size(windowClassName) + 1]{};
    return GetClassNameW(window, name, static_cast<int>(std::size(name))) != 0 &&
           std::wcscmp(name, windowClassName) == 0;
}

void Win32Window::createControls() {
    // Controls are created in tab order, which is the order Tab follows.
    for (const ControlLayout* inTabOrder : layout_.inTabOrder()) {
        const ControlLayout& control = *inTabOrder;
        const auto index = static_cast<std::size_t>(inTabOrder - layout_.controls.data());
        const auto native = controlStyle(control);
        const auto id = static_cast<INT_PTR>(firstControlId + static_cast<int>(index));
        const Rect& rect = control.rect;
        HWND created = CreateWindowExW(
            native.exStyle, native.className, wide(std::u16string(control.caption)), native.style,
            pixels(rect.left, dpi_), pixels(rect.top, dpi_), pixels(rect.width, dpi_),
            pixels(rect.height, dpi_), handle_, reinterpret_cast<HMENU>(id), instance(), nullptr);
        if (created == nullptr) {
            throw std::runtime_error("cannot create the control " + std::string(control.name));
        }
        controls_[index] = created;
        SendMessageW(created, WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.at(index).handle()),
                     FALSE);
        if (!giveAccessibleText(created, control)) {
            throw std::runtime_error("cannot name the control " + std::string(control.name));
        }
        const bool toRead = control.textBox.multiLine && control.textBox.readOnly;
        if (toRead && !SetWindowSubclass(created, &readingBoxProcedure, 0, 0)) {
            throw std::runtime_error("cannot make a text to read of " + std::string(control.name));
        }
    }
}

void Win32Window::createFonts() {
    const LOGFONTW message = messageFont(dpi_);
    fonts_.clear();
    for (const auto& control : layout_.controls) {
        const LOGFONTW font = control.font ? layoutFont(*control.font, dpi_) : message;
        fonts_.emplace_back(fittedFont(font, control, dpi_));
    }
}

void Win32Window::sizeClientArea() {
    const int width = pixels(layout_.clientWidth, dpi_);
    const int height = pixels(layout_.clientHeight, dpi_);
    RECT client{};
    GetClientRect(handle_, &client);
    if (client.right == width && client.bottom == height) {
        return;
    }
    const auto native = windowStyle(layout_.border);
    const SIZE frame = frameSize(width, height, native.style, native.exStyle, dpi_);
    const UINT flags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(handle_, nullptr, 0, 0, frame.cx, frame.cy, flags);
    // The frame drawn may differ from the one computed (a caption that wraps,
    // a system that scales frames its own way): the difference is made up.
    GetClientRect(handle_, &client);
    if (client.right != width || client.bottom != height) {
        SetWindowPos(handle_, nullptr, 0, 0, frame.cx + width - client.right,
                     frame.cy + height - client.bottom, flags);
    }
}

LRESULT CALLBACK Win32Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* creating = static_cast<Win32Window*>(
            reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        creating->handle_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(creating));
    }
    auto* self = reinterpret_cast<Win32Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    if (self == nullptr) {
        return DefDlgProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        self->handle_ = nullptr;
        return DefDlgProcW(window, message, wParam, lParam);
    }
    return self->onMessage(message, wParam, lParam);
}

LRESULT Win32Window::onMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND: {
        // Enter and Escape send IDOK and IDCANCEL with no control behind them.
        const ControlLayout* control = controlLayout(reinterpret_cast<HWND>(lParam));
        if (HIWORD(wParam) == BN_CLICKED && control != nullptr &&
            control->kind == ControlKind::Button) {
            // The handler may destroy this window: nothing of it is used afterwards.
            const ButtonHandler handler = onButton_;
            handler(control->name);
        }
        return 0;
    }
    case WM_CLOSE: {
        // The host decides; the window may be gone when the handler returns.
        const CloseHandler close = onClose_;
        close();
        return 0;
    }
    case WM_GETOBJECT: {
        const LRESULT answer = accessibleObject(handle_, wParam, lParam, accessibleText_);
        return answer != 0 ? answer : DefDlgProcW(handle_, message, wParam, lParam);
    }
    case WM_CTLCOLORSTATIC:
        return onStaticColour(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam));
    case WM_SYSCOLORCHANGE:
    case WM_SETTINGCHANGE:
        // Colours or high contrast switched: every window is sent this, and
        // each draws itself afresh in the new colours.
        RedrawWindow(handle_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
        return DefDlgProcW(handle_, message, wParam, lParam);
    case dpiChangedMessage:
        onDpiChanged(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    default: return DefDlgProcW(handle_, message, wParam, lParam);
    }
}

LRESULT Win32Window::onStaticColour(HDC dc, HWND control) {
    const ControlLayout* found = controlLayout(control);
    if (found != nullptr && found->colour) {
        const Colour shown = readableColour(*found->colour, systemPalette());
        SetTextColor(dc, RGB(shown.red, shown.green, shown.blue));
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    if (found != nullptr && found->kind == ControlKind::TextBox) {
        // A read-only box keeps the look of a text box, as on the other backends.
        SetTextColor(dc, GetSysColor(COLOR_WINDOWTEXT));
        SetBkColor(dc, GetSysColor(COLOR_WINDOW));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
    }
    return DefDlgProcW(handle_, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                       reinterpret_cast<LPARAM>(control));
}

void Win32Window::onDpiChanged(UINT dpi, const RECT& suggested) {
    // The suggested place keeps the window under the pointer; the size comes
    // from the layout, so the client area stays exact.
    SetWindowPos(handle_, nullptr, suggested.left, suggested.top, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    dpi_ = dpi;
    // The controls use the old fonts until they are given the new ones.
    const std::vector<GdiFont> oldFonts = std::move(fonts_);
    createFonts();
    sizeClientArea();
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        const Rect& rect = layout_.controls[i].rect;
        SetWindowPos(controls_[i], nullptr, pixels(rect.left, dpi), pixels(rect.top, dpi),
                     pixels(rect.width, dpi), pixels(rect.height, dpi),
                     SWP_NOZORDER | SWP_NOACTIVATE);
        SendMessageW(controls_[i], WM_SETFONT, reinterpret_cast<WPARAM>(fonts_.at(i).handle()),
                     TRUE);
    }
}

}  // namespace quillory::win32
