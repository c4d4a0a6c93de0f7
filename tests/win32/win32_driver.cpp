#include "win32/win32_driver.h"

#include <cctype>
#include <stdexcept>
#include <string>

#include "host/win32/wide_text.h"
#include "win32/posted_input.h"

namespace quillory::scenario {
namespace {

PixelRect toPixelRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

struct ThreadWindows {
    std::vector<HWND> found;
};

BOOL CALLBACK collectProgramWindow(HWND window, LPARAM into) {
    if (IsWindowVisible(window) != FALSE && win32::Win32Window::isProgramWindow(window)) {
        reinterpret_cast<ThreadWindows*>(into)->found.push_back(window);
    }
    return TRUE;
}

HWND requireMessageBox() {
    HWND box = input::openMessageBox();
    if (box == nullptr) {
        throw std::logic_error("no message box is open");
    }
    return box;
}

// The number of the CR LF-ended line holding the character at index.
int lineOfCharacter(std::u16string_view text, std::size_t index) {
    int line = 0;
    for (auto end = text.find(u"\r\n"); end != std::u16string_view::npos && end < index;
         end = text.find(u"\r\n", end + 2)) {
        ++line;
    }
    return line;
}

input::Stroke strokeFor(Key key) {
    switch (key) {
    case Key::Tab: return {VK_TAB};
    case Key::ShiftTab: return {VK_TAB, true};
    case Key::Enter: return {VK_RETURN};
    case Key::Escape: return {VK_ESCAPE};
    case Key::CtrlHome: return {VK_HOME, false, true};
    case Key::CtrlEnd: return {VK_END, false, true};
    }
    throw std::invalid_argument("unknown key");
}

}  // namespace

std::vector<std::string> Win32Driver::openWindows() {
    return gui_.ask([this] {
        // What is on the screen, not what the toolkit believes it made.
        ThreadWindows windows;
        EnumThreadWindows(GetCurrentThreadId(), &collectProgramWindow,
                          reinterpret_cast<LPARAM>(&windows));
        std::vector<std::string> names;
        for (HWND window : windows.found) {
            names.push_back(nameOf(window));
        }
        return names;
    });
}

std::u16string Win32Driver::windowCaption(std::string_view window) {
    return gui_.ask([&] { return win32::windowText(openWindow(window).handle()); });
}

PixelRect Win32Driver::clientArea(std::string_view window) {
    return gui_.ask([&] {
        HWND handle = openWindow(window).handle();
        RECT client{};
        GetClientRect(handle, &client);
        MapWindowPoints(handle, nullptr, reinterpret_cast<POINT*>(&client), 2);
        return toPixelRect(client);
    });
}

PixelRect Win32Driver::controlRect(std::string_view window, std::string_view control) {
    return gui_.ask([&] {
        HWND handle = controlHandle(window, control);
        RECT rect{};
        GetWindowRect(handle, &rect);
        MapWindowPoints(nullptr, GetParent(handle), reinterpret_cast<POINT*>(&rect), 2);
        return toPixelRect(rect);
    });
}

bool Win32Driver::isResizable(std::string_view window) {
    return gui_.ask([&] {
        return (GetWindowLongW(openWindow(window).handle(), GWL_STYLE) & WS_THICKFRAME) != 0;
    });
}

void Win32Driver::click(std::string_view window, std::string_view control) {
    gui_.act([&] { input::click(controlHandle(window, control)); });
}

void Win32Driver::type(std::u16string_view text) {
    gui_.act([text] { input::type(text); });
}

void Win32Driver::press(Key key) {
    gui_.act([this, key] { input::press(gui_, strokeFor(key)); });
}

void Win32Driver::pressAlt(char letter) {
    const auto upper = static_cast<UINT>(std::toupper(static_cast<unsigned char>(letter)));
    gui_.act([this, upper] { input::press(gui_, {upper, false, false, true}); });
}

void Win32Driver::closeWindow(std::string_view window) {
    gui_.act([&] {
        // The close box is part of the frame, out of reach while the
        // window is disabled.
        HWND handle = openWindow(window).handle();
        if (input::reachable(handle)) {
            PostMessageW(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    });
}

std::optional<Focus> Win32Driver::focus() {
    return gui_.ask([this]() -> std::optional<Focus> {
        HWND focused = GetFocus();
        if (focused == nullptr) {
            return std::nullopt;
        }
        HWND topLevel = GetAncestor(focused, GA_ROOT);
        if (topLevel == input::openMessageBox()) {
            return Focus{"MessageBox", ""};
        }
        for (const auto id : allWindows) {
            const win32::Win32Window* window = toolkit_.window(id);
            if (window == nullptr || window->handle() != topLevel) {
                continue;
            }
            const ControlLayout* control = window->layoutOf(focused);
            return Focus{std::string(quillory::nameOf(id)),
                         control != nullptr ? std::string(control->name) : std::string()};
        }
        return std::nullopt;  // a window that is not the program's
    });
}

std::u16string Win32Driver::text(std::string_view window, std::string_view control) {
    return gui_.ask([&] { return win32::windowText(controlHandle(window, control)); });
}

VisibleLines Win32Driver::visibleLines(std::string_view window, std::string_view control) {
    return gui_.ask([&] {
        HWND box = controlHandle(window, control);
        if ((GetWindowLongW(box, GWL_STYLE) & ES_MULTILINE) == 0) {
            throw std::logic_error(std::string(control) + " is not a multi-line box");
        }
        RECT client{};
        GetClientRect(box, &client);
        // The box counts wrapped rows; the text's lines end with CR LF.
        const auto topRow = SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
        const auto bottomRow =
            HIWORD(SendMessageW(box, EM_CHARFROMPOS, 0, MAKELPARAM(0, client.bottom - 1)));
        const std::u16string shown = win32::windowText(box);
        const auto lineAt = [&](LRESULT row) {
            const auto at = static_cast<std::size_t>(
                SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(row), 0));
            return lineOfCharacter(shown, at);
        };
        return VisibleLines{lineAt(topRow), lineAt(bottomRow)};
    });
}

std::optional<std::u16string> Win32Driver::messageBox() {
    return gui_.ask([]() -> std::optional<std::u16string> {
        HWND box = input::openMessageBox();
        if (box == nullptr) {
            return std::nullopt;
        }
        // The box's text is the static control numbered 0xFFFF.
        return win32::windowText(GetDlgItem(box, 0xFFFF));
    });
}

std::u16string Win32Driver::messageBoxTitle() {
    return gui_.ask([] { return win32::windowText(requireMessageBox()); });
}

void Win32Driver::dismissMessageBox() {
    gui_.act([] { input::click(GetDlgItem(requireMessageBox(), IDOK)); });
}

bool Win32Driver::runEnded() {
    return gui_.ask([this] { return host_.runEnded(); });
}

const win32::Win32Window& Win32Driver::openWindow(std::string_view name) const {
    for (const auto id : allWindows) {
        const win32::Win32Window* window = toolkit_.window(id);
        if (quillory::nameOf(id) == name && window != nullptr) {
            return *window;
        }
    }
    throw std::logic_error(std::string(name) + " is not open");
}

HWND Win32Driver::controlHandle(std::string_view window, std::string_view control) const {
    HWND handle = openWindow(window).control(control);
    if (handle == nullptr) {
        throw std::logic_error(std::string(window) + " has no control " + std::string(control));
    }
    return handle;
}

std::string Win32Driver::nameOf(HWND topLevel) const {
    for (const auto id : allWindows) {
        const win32::Win32Window* window = toolkit_.window(id);
        if (window != nullptr && window->handle() == topLevel) {
            return std::string(quillory::nameOf(id));
        }
    }
    return "(a window the host does not know)";
}

}  // namespace quillory::scenario
