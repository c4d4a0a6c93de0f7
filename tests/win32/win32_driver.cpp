#include "win32/win32_driver.h"

#include <oleacc.h>

#include <algorithm>
#include <cstdio>
#include <sstream>

#include "app/program_windows.h"
#include "host/win32/dpi.h"
#include "host/win32/wide_text.h"
#include "win32/posted_input.h"

namespace quillory::gui {
namespace {

constexpr UINT runWork = WM_APP + 1;
using Work = std::function<void()>;

LRESULT CALLBACK runPostedWork(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != runWork) {
        return DefWindowProcW(window, message, wParam, lParam);
    }
    const std::unique_ptr<Work> work(reinterpret_cast<Work*>(lParam));
    (*work)();
    return 0;
}

// Input and work posted before now but not yet handled.
bool queueBusy() { return HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_SENDMESSAGE | QS_INPUT)) != 0; }

BOOL CALLBACK collectProgramWindow(HWND window, LPARAM into) {
    if (IsWindowVisible(window) != FALSE && win32::Win32Window::isProgramWindow(window)) {
        reinterpret_cast<std::vector<HWND>*>(into)->push_back(window);
    }
    return TRUE;
}

// Window texts here are ASCII; the rest would not matter to a comparison.
std::string asciiOf(std::u16string_view text) { return {text.begin(), text.end()}; }

std::string colourName(COLORREF colour) {
    char name[8];
    std::snprintf(name, sizeof name, "#%02x%02x%02x", GetRValue(colour), GetGValue(colour),
                  GetBValue(colour));
    return name;
}

// The place of a control in its window's client area, as "[left top width height]".
std::string placeOf(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    std::ostringstream out;
    out << '[' << r.left << ' ' << r.top << ' ' << r.right - r.left << ' ' << r.bottom - r.top << ']';
    return out.str();
}

std::string kindOf(HWND control) {
    wchar_t name[16]{};
    GetClassNameW(control, name, 16);
    if (lstrcmpiW(name, L"Edit") == 0) {
        return "box";
    }
    return lstrcmpiW(name, L"Button") == 0 ? "button" : "label";
}

std::string boxStyle(HWND box) {
    const LONG style = GetWindowLongW(box, GWL_STYLE);
    std::string flags = (style & ES_MULTILINE) != 0 ? " multiline" : "";
    flags += (style & ES_READONLY) != 0 ? " readonly" : "";
    return flags + ((style & WS_VSCROLL) != 0 ? " vscroll" : "");
}

}  // namespace

std::unique_ptr<Driver> makeDriver() { return std::make_unique<Win32Driver>(); }

Win32Driver::Win32Driver() {
    static const ATOM workClass = [] {
        WNDCLASSEXW windowClass{};
        windowClass.cbSize = sizeof(windowClass);
        windowClass.lpfnWndProc = &runPostedWork;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"QuilloryTestWork";
        return RegisterClassExW(&windowClass);
    }();
    // Message-only: never shown or counted among the program's windows, yet
    // every loop dispatches what is posted to it, a message box's loop too.
    work_ = CreateWindowExW(0, MAKEINTATOM(workClass), L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                            GetModuleHandleW(nullptr), nullptr);
}

Win32Driver::~Win32Driver() {
    MSG left{};
    while (PeekMessageW(&left, work_, runWork, runWork, PM_REMOVE) != FALSE) {
        delete reinterpret_cast<Work*>(left.lParam);
    }
    DestroyWindow(work_);
}

void Win32Driver::start() {
    toolkit_ = std::make_unique<win32::Win32Toolkit>();
    host_ = std::make_unique<WindowHost>(*toolkit_, makeWindows());
    toolkit_->attach(*host_);
    host_->start(WindowId::Form1);
}

void Win32Driver::post(Work work) {
    PostMessageW(work_, runWork, 0, reinterpret_cast<LPARAM>(new Work(std::move(work))));
}

int Win32Driver::runLoop() { return win32::runMessageLoop(); }

void Win32Driver::quit(int code) { PostQuitMessage(code); }

// What an action posts is handled in order, but handling it may post more
// (a key becomes a character, a click a command).
bool Win32Driver::settled(int turns) { return turns >= 2 && !queueBusy(); }

void Win32Driver::stop() {
    host_.reset();
    toolkit_.reset();
    MSG quit{};
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // a leftover end of the loop
}

void Win32Driver::click(std::string_view window, std::string_view name) {
    input::click(control(window, name));
}

void Win32Driver::type(std::u16string_view text) {
    post([typed = std::u16string(text)] { input::type(typed); });
}

// Keys are posted once what was posted before them has been handled, so
// that they go where the focus is by then, as typed keys would.
void Win32Driver::press(std::string_view key) {
    static constexpr std::pair<std::string_view, input::Stroke> strokes[] = {
        {"Tab", {VK_TAB}},       {"ShiftTab", {VK_TAB, true}}, {"Enter", {VK_RETURN}},
        {"Escape", {VK_ESCAPE}}, {"End", {VK_END}},            {"CtrlEnd", {VK_END, false, true}}};
    const auto stroke = std::ranges::find(strokes, key, &std::pair<std::string_view, input::Stroke>::first)->second;
    post([this, stroke] { input::press([this](Work w) { post(std::move(w)); }, stroke); });
}

void Win32Driver::pressAlt(char letter) {
    const auto upper = static_cast<UINT>(std::toupper(static_cast<unsigned char>(letter)));
    post([this, upper] { input::press([this](Work w) { post(std::move(w)); }, {upper, false, false, true}); });
}

void Win32Driver::closeBox(std::string_view name) {
    // The close box is part of the frame, out of reach while the window is disabled.
    const auto* found = window(name);
    if (found != nullptr && input::reachable(found->handle())) {
        PostMessageW(found->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
    }
}

void Win32Driver::pressOk() {
    if (HWND open = input::openMessageBox()) {
        input::click(GetDlgItem(open, IDOK));
    }
}

std::vector<std::string> Win32Driver::windows() {
    // What is on the screen, not what the toolkit believes it made.
    std::vector<HWND> shown;
    EnumThreadWindows(GetCurrentThreadId(), &collectProgramWindow, reinterpret_cast<LPARAM>(&shown));
    std::vector<std::string> names;
    for (const auto id : allWindows) {
        const auto* made = toolkit_->window(id);
        if (made != nullptr && std::ranges::find(shown, made->handle()) != shown.end()) {
            names.emplace_back(nameOf(id));
        }
    }
    if (names.size() != shown.size()) {
        names.emplace_back("(a window the host does not know)");
    }
    return names;
}

std::u16string Win32Driver::text(std::string_view window, std::string_view name) {
    HWND found = control(window, name);
    return found != nullptr ? win32::windowText(found) : u"(not shown)";
}

std::string Win32Driver::focus() {
    HWND focused = GetFocus();
    HWND root = focused != nullptr ? GetAncestor(focused, GA_ROOT) : nullptr;
    if (root != nullptr && root == input::openMessageBox()) {
        return "MessageBox";
    }
    for (const auto id : allWindows) {
        const auto* made = toolkit_->window(id);
        if (made != nullptr && made->handle() == root) {
            const ControlLayout* control = made->layoutOf(focused);
            return std::string(nameOf(id)) + "." + (control != nullptr ? std::string(control->name) : "");
        }
    }
    return "";
}

std::optional<std::u16string> Win32Driver::box() {
    HWND open = input::openMessageBox();
    if (open == nullptr) {
        return std::nullopt;
    }
    // The box's text is its control 0xFFFF.
    return win32::windowText(open) + u"\n" + win32::windowText(GetDlgItem(open, 0xFFFF));
}

bool Win32Driver::ended() { return host_ != nullptr && host_->runEnded(); }

std::pair<int, int> Win32Driver::shownLines(std::string_view window, std::string_view name) {
    HWND box = control(window, name);
    if (box == nullptr) {
        return {-1, -1};
    }
    RECT client{};
    GetClientRect(box, &client);
    // The box counts wrapped rows; the text's lines end with CR LF.
    const std::u16string shown = win32::windowText(box);
    const auto lineAt = [&](LRESULT row) {
        const auto at = static_cast<std::size_t>(SendMessageW(box, EM_LINEINDEX, static_cast<WPARAM>(row), 0));
        return static_cast<int>(std::count(shown.begin(), shown.begin() + static_cast<std::ptrdiff_t>(std::min(at, shown.size())), u'\n'));
    };
    const auto top = SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0);
    const auto bottom = HIWORD(SendMessageW(box, EM_CHARFROMPOS, 0, MAKELPARAM(0, client.bottom - 1)));
    return {lineAt(top), lineAt(bottom)};
}

std::u16string Win32Driver::accessibleName(std::string_view window, std::string_view name) {
    // Asked for as a screen reader asks.
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control(window, name), static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible, reinterpret_cast<void**>(&object)))) {
        return u"(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR spoken = nullptr;
    const HRESULT result = object->get_accName(self, &spoken);
    object->Release();
    std::u16string text = result == S_OK ? std::u16string(reinterpret_cast<const char16_t*>(spoken),
                                                          SysStringLen(spoken))
                                         : u"(no name)";
    SysFreeString(spoken);
    return text;
}

std::vector<std::string> Win32Driver::describe(std::string_view name) {
    const auto* found = window(name);
    if (found == nullptr) {
        return {std::string(name) + " is not open"};
    }
    HWND handle = found->handle();
    const LONG style = GetWindowLongW(handle, GWL_STYLE);
    const char* border = (style & WS_OVERLAPPEDWINDOW) == WS_OVERLAPPEDWINDOW ? "sizable"
                         : (style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0 ? "fixed"
                                                                                           : "odd";
    RECT client{};
    GetClientRect(handle, &client);
    std::ostringstream title;
    title << name << " \"" << asciiOf(win32::windowText(handle)) << "\" " << border << " [" << client.right << ' '
          << client.bottom << ']';
    std::vector<std::string> lines{title.str()};
    const LOGFONTW standard = win32::messageFont(found->dpi());
    for (const auto& layout : found->layout().controls) {
        HWND c = found->control(layout.name);
        std::ostringstream line;
        const std::string kind = kindOf(c);
        const std::u16string caption = kind == "box" ? u"" : win32::windowText(c);
        line << "  " << layout.name << ' ' << kind << ' ' << placeOf(c);
        line << (kind == "box" ? boxStyle(c) : " \"" + asciiOf(caption) + '"');
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(c, WM_GETFONT, 0, 0)), sizeof font, &font);
        if (font.lfHeight != standard.lfHeight || lstrcmpW(font.lfFaceName, standard.lfFaceName) != 0) {
            line << " font " << -font.lfHeight * 72.0 / found->dpi();
        }
        if (kind == "label") {
            HDC dc = CreateCompatibleDC(nullptr);
            SendMessageW(handle, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(c));
            if (GetTextColor(dc) != GetSysColor(COLOR_WINDOWTEXT)) {
                line << " colour " << colourName(GetTextColor(dc));
            }
            DeleteDC(dc);
        }
        std::u16string plain = caption;
        std::erase(plain, u'&');
        const std::u16string spoken = accessibleName(name, layout.name);
        if (spoken != plain) {
            line << " named \"" << asciiOf(spoken) << '"';
        }
        lines.push_back(line.str());
    }
    return lines;
}

int Win32Driver::dpi(std::string_view name) {
    const auto* found = window(name);
    return found != nullptr ? static_cast<int>(found->dpi()) : 0;
}

const win32::Win32Window* Win32Driver::window(std::string_view name) const {
    for (const auto id : allWindows) {
        if (nameOf(id) == name && toolkit_ != nullptr) {
            return toolkit_->window(id);
        }
    }
    return nullptr;
}

HWND Win32Driver::control(std::string_view window, std::string_view name) const {
    const auto* found = this->window(window);
    return found != nullptr ? found->control(name) : nullptr;
}

}  // namespace quillory::gui
