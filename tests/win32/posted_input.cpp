#include "win32/posted_input.h"

#include <cwchar>
#include <vector>

namespace quillory::gui::input {
namespace {

// The extra data of a key message: repeat count, scan code, the Alt
// context bit, and for a release the previous-state and transition bits.
LPARAM keyData(UINT key, bool release, bool alt) {
    constexpr DWORD altDown = 1u << 29;
    constexpr DWORD wasDownAndGoesUp = 3u << 30;
    auto data = static_cast<DWORD>(1) | (MapVirtualKeyW(key, MAPVK_VK_TO_VSC) & 0xFFu) << 16;
    data |= alt ? altDown : 0u;
    data |= release ? wasDownAndGoesUp : 0u;
    return static_cast<LPARAM>(data);
}

void setModifierKeys(bool shift, bool control, bool alt) {
    BYTE state[256]{};
    GetKeyboardState(state);
    const auto set = [&state](int key, bool down) { state[key] = down ? 0x80 : 0x00; };
    set(VK_SHIFT, shift);
    set(VK_LSHIFT, shift);
    set(VK_CONTROL, control);
    set(VK_LCONTROL, control);
    set(VK_MENU, alt);
    set(VK_LMENU, alt);
    SetKeyboardState(state);
}

void postKey(HWND target, UINT key, bool release, bool alt) {
    UINT message = release ? WM_KEYUP : WM_KEYDOWN;
    if (alt && key != VK_MENU) {
        message = release ? WM_SYSKEYUP : WM_SYSKEYDOWN;
    } else if (alt && !release) {
        message = WM_SYSKEYDOWN;  // Alt itself goes down as a system key
    }
    const bool altHeld = alt && !(key == VK_MENU && release);
    PostMessageW(target, message, key, keyData(key, release, altHeld));
}

BOOL CALLBACK findMessageBox(HWND window, LPARAM found) {
    wchar_t name[16]{};
    if (IsWindowVisible(window) != FALSE && GetClassNameW(window, name, 16) != 0 &&
        std::wcscmp(name, L"#32770") == 0) {
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

bool reachable(HWND window) {
    HWND desktop = GetDesktopWindow();
    for (HWND at = window; at != nullptr && at != desktop; at = GetAncestor(at, GA_PARENT)) {
        if (IsWindowVisible(at) == FALSE || IsWindowEnabled(at) == FALSE) {
            return false;
        }
    }
    return window != nullptr;
}

void click(HWND target) {
    if (!reachable(target)) {
        return;
    }
    HWND topLevel = GetAncestor(target, GA_ROOT);
    if (GetActiveWindow() != topLevel) {
        const LRESULT how =
            SendMessageW(target, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(topLevel),
                         MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
        if (how == MA_ACTIVATE || how == MA_ACTIVATEANDEAT) {
            SetForegroundWindow(topLevel);
            SetActiveWindow(topLevel);
        }
    }
    RECT client{};
    GetClientRect(target, &client);
    const LPARAM middle =
        MAKELPARAM((client.right - client.left) / 2, (client.bottom - client.top) / 2);
    PostMessageW(target, WM_MOUSEMOVE, 0, middle);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(target, WM_LBUTTONUP, 0, middle);
}

void press(const std::function<void(std::function<void()>)>& post, const Stroke& stroke) {
    HWND target = GetFocus();
    if (target == nullptr) {
        return;  // no window of the program has the keyboard
    }
    post([stroke] { setModifierKeys(stroke.shift, stroke.control, stroke.alt); });
    std::vector<UINT> modifiers;
    if (stroke.shift) {
        modifiers.push_back(VK_SHIFT);
    }
    if (stroke.control) {
        modifiers.push_back(VK_CONTROL);
    }
    if (stroke.alt) {
        modifiers.push_back(VK_MENU);
    }
    for (const UINT modifier : modifiers) {
        postKey(target, modifier, false, stroke.alt);
    }
    postKey(target, stroke.key, false, stroke.alt);
    postKey(target, stroke.key, true, stroke.alt);
    for (auto modifier = modifiers.rbegin(); modifier != modifiers.rend(); ++modifier) {
        postKey(target, *modifier, true, stroke.alt);
    }
    post([] { setModifierKeys(false, false, false); });
}

void type(std::u16string_view text) {
    HWND target = GetFocus();
    if (target == nullptr) {
        return;
    }
    for (const char16_t character : text) {
        PostMessageW(target, WM_CHAR, character, 1);
    }
}

HWND openMessageBox() {
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &findMessageBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace quillory::gui::input
