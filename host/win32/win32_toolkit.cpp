#include "host/win32/win32_toolkit.h"

#include <commctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "host/win32/accessible_text.h"
#include "host/win32/wide_text.h"

namespace quillory::win32 {

Win32Toolkit::Win32Toolkit() {
    // Loads version 6 of the common controls, which the manifest asks for.
    INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

void Win32Toolkit::build(const WindowLayout& layout, ButtonHandler onButton, CloseHandler onClose) {
    windows_.at(indexOf(layout.id)) =
        std::make_unique<Win32Window>(layout, std::move(onButton), std::move(onClose));
}

void Win32Toolkit::show(WindowId id) { ShowWindow(window(id)->handle(), SW_SHOW); }

void Win32Toolkit::activate(WindowId id) {
    HWND shown = window(id)->handle();
    SetForegroundWindow(shown);
    SetActiveWindow(shown);
}

void Win32Toolkit::focus(WindowId id, const ControlLayout& control) {
    SetFocus(window(id)->control(control.name));
}

void Win32Toolkit::destroy(WindowId id) {
    // The window may be inside one of its own buttons' click handlers; it
    // uses nothing of itself once the handler returns.
    windows_.at(indexOf(id)).reset();
}

std::u16string Win32Toolkit::text(WindowId id, const ControlLayout& control) {
    return windowText(window(id)->control(control.name));
}

void Win32Toolkit::setText(WindowId id, const ControlLayout& control, std::u16string_view text) {
    SetWindowTextW(window(id)->control(control.name), wide(std::u16string(text)));
}

void Win32Toolkit::announceNameChange(WindowId id, const ControlLayout& label,
                                      std::u16string_view /*name*/) {
    // Its accessible object reads the new name from the label's text.
    NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, window(id)->control(label.name), OBJID_CLIENT,
                   CHILDID_SELF);
}

void Win32Toolkit::describe(WindowId id, const ControlLayout& control,
                            std::u16string_view description) {
    win32::describe(window(id)->control(control.name), description);
}

void Win32Toolkit::messageBox(std::u16string_view text) {
    // The box is modal for every window of the program: MessageBoxW disables
    // its owner, the active window (or else the first), and the others that
    // are enabled are disabled here.
    std::vector<HWND> others;
    for (const auto& window : windows_) {
        if (window) {
            others.push_back(window->handle());
        }
    }
    const auto active = std::ranges::find(others, GetActiveWindow());
    HWND owner = active != others.end() ? *active : others.empty() ? nullptr : others.front();
    std::erase(others, owner);
    std::erase_if(others, [](HWND window) { return IsWindowEnabled(window) == FALSE; });
    for (HWND window : others) {
        EnableWindow(window, FALSE);
    }
    // With no window left, the box still blocks the whole thread.
    const auto modality = static_cast<UINT>(owner != nullptr ? MB_APPLMODAL : MB_TASKMODAL);
    MessageBoxW(owner, wide(std::u16string(text)), wide(std::u16string(messageBoxTitle)),
                MB_OK | modality);
    for (HWND window : others) {
        if (IsWindow(window) != FALSE) {
            EnableWindow(window, TRUE);
        }
    }
}

void Win32Toolkit::endRun() { PostQuitMessage(0); }

void Win32Toolkit::stopProgram(const std::string& reason) {
    // UTF-8, or plain ASCII from the C++ library.
    const int size = static_cast<int>(reason.size());
    const int length = MultiByteToWideChar(CP_UTF8, 0, reason.data(), size, nullptr, 0);
    std::u16string text(static_cast<std::size_t>(length), u'\0');
    MultiByteToWideChar(CP_UTF8, 0, reason.data(), size, reinterpret_cast<wchar_t*>(text.data()),
                        length);
    MessageBoxW(nullptr, wide(text), wide(std::u16string(messageBoxTitle)),
                MB_OK | MB_ICONERROR | MB_TASKMODAL);
    ExitProcess(EXIT_FAILURE);
}

void limitLibrarySearch() {
    // Windows 8 (Vista, 7 with KB2533623) has the first; XP SP1 the second.
    HMODULE kernel = GetModuleHandleW(L"kernel32");
    const auto only = reinterpret_cast<BOOL(WINAPI*)(DWORD)>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDefaultDllDirectories")));
    const auto without = reinterpret_cast<BOOL(WINAPI*)(LPCWSTR)>(
        reinterpret_cast<void (*)()>(GetProcAddress(kernel, "SetDllDirectoryW")));
    if (only != nullptr) {
        only(0x00000800);  // LOAD_LIBRARY_SEARCH_SYSTEM32
    }
    if (without != nullptr) {
        without(L"");
    }
}

int runMessageLoop() {
    MSG message{};
    BOOL got = FALSE;
    while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
        HWND root = message.hwnd != nullptr ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
        if (root == nullptr || !Win32Window::isProgramWindow(root) ||
            IsDialogMessageW(root, &message) == FALSE) {
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }
    return got == 0 ? static_cast<int>(message.wParam) : EXIT_FAILURE;
}

}  // namespace quillory::win32
