// The Windows program, driven as the window manager would: clicks and keys are posted to the
// window under them or with the focus, through the program's own message loop. A window
// disabled by a message box takes no input.
#include <oleacc.h>
#include <windows.h>

#include <algorithm>
#include <functional>
#include <map>
#include <numeric>
#include <ranges>

#include "gui/driver.h"
#include "host/win32/dpi.h"
#include "host/win32/gdi_font.h"
#include "host/win32/wide_text.h"
#include "host/win32/win32_toolkit.h"

namespace quillory::gui {
namespace {

using Work = std::function<void()>;
constexpr UINT runWork = WM_APP + 1;

LRESULT CALLBACK runPostedWork(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == runWork) {
        (*std::unique_ptr<Work>(reinterpret_cast<Work*>(lParam)))();  // run once, then freed
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

// A left click in the middle of target, activating its window first, where it could take it.
void click(HWND target) {
    HWND window = GetAncestor(target, GA_ROOT);
    if (IsWindowVisible(target) == FALSE || !IsWindowEnabled(target) || !IsWindowEnabled(window)) {
        return;
    }
    SetActiveWindow(window);
    RECT client{};
    GetClientRect(target, &client);
    const LPARAM middle = MAKELPARAM(client.right / 2, client.bottom / 2);
    PostMessageW(target, WM_LBUTTONDOWN, MK_LBUTTON, middle);
    PostMessageW(target, WM_LBUTTONUP, 0, middle);
}

// The modifiers held while a key is handled, for IsDialogMessage and the edit control.
void holdModifiers(bool shift, bool control, bool alt) {
    BYTE state[256]{};
    GetKeyboardState(state);
    state[VK_SHIFT] = state[VK_LSHIFT] = shift ? 0x80 : 0;
    state[VK_CONTROL] = state[VK_LCONTROL] = control ? 0x80 : 0;
    state[VK_MENU] = state[VK_LMENU] = alt ? 0x80 : 0;
    SetKeyboardState(state);
}

// One key with its modifiers to the focus, with scan code, Alt context and transition bits.
void postKey(UINT key, bool shift, bool control, bool alt) {
    holdModifiers(shift, control, alt);
    const auto send = [target = GetFocus(), alt](UINT vk, bool up) {
        const bool altHeld = alt && !(vk == VK_MENU && up);
        const auto data = 1u | (MapVirtualKeyW(vk, MAPVK_VK_TO_VSC) & 0xFFu) << 16 |
                          (altHeld ? 1u << 29 : 0u) | (up ? 3u << 30 : 0u);
        const UINT message =
            up ? (altHeld ? WM_SYSKEYUP : WM_KEYUP) : (alt ? WM_SYSKEYDOWN : WM_KEYDOWN);
        PostMessageW(target, message, vk, static_cast<LPARAM>(data));
    };
    // The modifiers held go down before the key, and come up after it.
    const std::array<std::pair<UINT, bool>, 4> all{
        {{VK_SHIFT, shift}, {VK_CONTROL, control}, {VK_MENU, alt}, {key, true}}};
    auto held = all | std::views::filter([](const auto& k) { return k.second; }) | std::views::keys;
    std::ranges::for_each(held, [&send](UINT vk) { send(vk, false); });
    std::ranges::for_each(held | std::views::reverse, [&send](UINT vk) { send(vk, true); });
}

std::uint32_t rgb(COLORREF colour) {  // as 0xRRGGBB
    return GetRValue(colour) << 16U | GetGValue(colour) << 8U | GetBValue(colour);
}

// The program's message box: a dialog of this thread.
HWND openBox() {
    HWND box = FindWindowW(L"#32770", nullptr);
    const bool ours = GetWindowThreadProcessId(box, nullptr) == GetCurrentThreadId();
    return box != nullptr && ours && IsWindowVisible(box) != FALSE ? box : nullptr;
}

// What draw paints on a bitmap like the screen's, row after row of 0xRRGGBB.
std::vector<std::uint32_t> painted(int width, int height, const std::function<void(HDC)>& draw) {
    HDC screen = GetDC(nullptr);
    HDC copy = CreateCompatibleDC(screen);
    HGDIOBJ before = SelectObject(copy, CreateCompatibleBitmap(screen, width, height));
    draw(copy);
    std::vector<std::uint32_t> pixels;
    for (int at = 0; at < width * height; ++at) {
        pixels.push_back(rgb(GetPixel(copy, at % width, at / width)));
    }
    DeleteObject(SelectObject(copy, before));
    DeleteDC(copy);
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The caption drawn whole on one line in the control's font and the system's colours.
void giveCaption(ControlView& view, HWND control) {
    const std::u16string caption = win32::windowText(control);
    const auto [across, down] = std::pair{4 * view.place[2], 3 * view.place[3]};
    view.whole = painted(across, down, [&](HDC dc) {
        const RECT sheet{0, 0, across, down};
        FillRect(dc, &sheet, GetSysColorBrush(COLOR_BTNFACE));  // smoothed as on the screen
        SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
        SetBkMode(dc, TRANSPARENT);
        RECT line{down / 3, down / 3, across, down};
        DrawTextW(dc, win32::wide(caption), -1, &line, view.kind == "label" ? DT_NOPREFIX : 0);
    });
}

// A hidden twin of a button, of its style, size and focus, with the caption and font. With a
// space for caption it shows the button with no ink of one, as a button with none draws no
// focus rectangle.
std::vector<std::uint32_t> twinOf(HWND button, const wchar_t* caption, HFONT font, int width,
                                  int height) {
    const auto style = static_cast<DWORD>(GetWindowLongW(button, GWL_STYLE) & ~WS_VISIBLE);
    HWND twin = CreateWindowExW(WS_EX_NOPARENTNOTIFY, L"Button", caption, style, 0, 0, width,
                                height, GetParent(button), nullptr, nullptr, nullptr);
    SendMessageW(twin, WM_SETFONT, reinterpret_cast<WPARAM>(font), 0);
    SendMessageW(twin, GetFocus() == button ? WM_SETFOCUS : WM_NULL, 0, 0);
    auto pixels = painted(width, height, [twin](HDC dc) {
        SendMessageW(twin, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc),
                     PRF_CLIENT | PRF_ERASEBKGND);
    });
    DestroyWindow(twin);
    return pixels;
}

// Whether a twin of the button in the font shows as much ink of its caption (pixels off a
// blank twin's) as a twin four times as wide, where it is whole on one line.
bool showsWhole(HWND button, const LOGFONTW& font, int width, int height) {
    const std::u16string caption = win32::windowText(button);
    const win32::GdiFont trial(font);
    const auto ink = [&](int across) {
        const auto drawn = twinOf(button, win32::wide(caption), trial.handle(), across, height);
        const auto blank = twinOf(button, L" ", trial.handle(), across, height);
        return std::inner_product(drawn.begin(), drawn.end(), blank.begin(), std::ptrdiff_t{0},
                                  std::plus<>(), std::not_equal_to<>());
    };
    const auto whole = ink(4 * width);
    return std::abs(ink(width) - whole) <= whole / 20 + 5;
}

ControlView viewOf(HWND control, UINT dpi) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    wchar_t kind[8]{};
    GetClassNameW(control, kind, 8);
    ControlView view{.kind = lstrcmpiW(kind, L"Edit") == 0     ? "box"
                             : lstrcmpiW(kind, L"Button") == 0 ? "button"
                                                               : "label",
                     .place = {r.left, r.top, r.right - r.left, r.bottom - r.top}};
    const LONG style = GetWindowLongW(control, GWL_STYLE);
    for (const auto& [bit, word] : {std::pair{ES_MULTILINE, " multiline"},
                                    {ES_READONLY, " readonly"},
                                    {WS_VSCROLL, " vscroll"}}) {
        view.style += view.kind == "box" && (style & bit) != 0 ? word : "";
    }
    LOGFONTW font{};
    const auto shownFont = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(shownFont, sizeof font, &font);
    const LOGFONTW standard = win32::messageFont(dpi);
    // A caption fitted to its control keeps the window's face at a smaller size, a button's only
    // where the window's font would not show it whole.
    if (font.lfHeight < standard.lfHeight || lstrcmpW(font.lfFaceName, standard.lfFaceName) != 0 ||
        (font.lfHeight > standard.lfHeight && view.kind == "button" &&
         showsWhole(control, standard, view.place[2], view.place[3]))) {
        view.points = -font.lfHeight * 72.0 / dpi;
    }
    if (view.kind != "box") {
        giveCaption(view, control);
        view.blank = view.kind == "button"
                         ? twinOf(control, L" ", shownFont, view.place[2], view.place[3])
                         : std::vector<std::uint32_t>{};
    }
    return view;
}

// What a screen reader has read of each window, until the program says it changed.
std::map<std::pair<HWND, Driver::Told>, std::u16string> readBefore;

void CALLBACK forgetChanged(HWINEVENTHOOK /*hook*/, DWORD /*event*/, HWND window, LONG /*object*/,
                            LONG /*child*/, DWORD /*thread*/, DWORD /*time*/) {
    std::erase_if(readBefore, [window](const auto& read) { return read.first.first == window; });
}

class Win32Driver final : public Driver {  // NOLINT(*-special-member-functions): never copied
public:
    // Message-only, yet every loop dispatches what is posted to it, a message box's too.
    Win32Driver()
        : work_(CreateWindowExW(0, L"Static", L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, nullptr,
                                nullptr)),
          hook_(SetWinEventHook(EVENT_OBJECT_CREATE, EVENT_OBJECT_DESCRIPTIONCHANGE, nullptr,
                                &forgetChanged, GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT)) {
        SetWindowLongPtrW(work_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&runPostedWork));
        readBefore.clear();
    }
    ~Win32Driver() override {
        MSG quit{};
        PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);  // a leftover end of the loop
        for (MSG left{}; PeekMessageW(&left, work_, runWork, runWork, PM_REMOVE) != FALSE;) {
            delete reinterpret_cast<Work*>(left.lParam);
        }
        DestroyWindow(work_);
        UnhookWinEvent(hook_);
    }

    Toolkit& toolkit() override { return toolkit_; }
    void post(Work work) override {
        PostMessageW(work_, runWork, 0, reinterpret_cast<LPARAM>(new Work(std::move(work))));
    }
    int runLoop() override { return win32::runMessageLoop(); }
    void quit(int code) override { PostQuitMessage(code); }
    // Handling what an action posts may post more (a key becomes a character). With no window
    // manager, Wine may leave the program no active window after a box goes, where the X
    // server's focus moved late: the lone window left gets the activation, as a manager gives it.
    bool settled(int turns) override {
        auto up = allWindows | std::views::filter([this](WindowId id) { return shown(id); });
        if (turns >= 2 && GetActiveWindow() == nullptr && openBox() == nullptr &&
            std::ranges::distance(up) == 1) {
            SetActiveWindow(window(*up.begin())->handle());
        }
        return turns >= 2 && HIWORD(GetQueueStatus(QS_POSTMESSAGE | QS_INPUT)) == 0;
    }

    void click(WindowId window, std::string_view name) override {
        gui::click(control(window, name));
    }
    // Keys are posted once what came before them is handled, to the focus then.
    void type(std::u16string_view text) override {
        post([typed = std::u16string(text)] {
            std::ranges::for_each(
                typed, [](char16_t unit) { PostMessageW(GetFocus(), WM_CHAR, unit, 1); });
        });
    }
    void press(std::string_view key) override {
        const auto held = [&key](std::string_view modifier) {
            const bool down = key.starts_with(modifier);
            key.remove_prefix(down ? modifier.size() : 0);
            return down;
        };
        const bool shift = held("Shift+"), control = held("Ctrl+"), alt = held("Alt+");
        const std::map<std::string_view, UINT> named{
            {"End", VK_END}, {"Tab", VK_TAB}, {"Return", VK_RETURN}, {"Esc", VK_ESCAPE}};
        const UINT vk = named.contains(key) ? named.at(key) : static_cast<UINT>(key.front());
        post([=, this] {
            postKey(vk, shift, control, alt);
            post([] { holdModifiers(false, false, false); });  // once the key is handled
        });
    }
    void closeBox(WindowId name) override {
        if (const auto* found = window(name); found && IsWindowEnabled(found->handle())) {
            PostMessageW(found->handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        }
    }
    void pressOk() override { gui::click(GetDlgItem(openBox(), IDOK)); }

    bool shown(WindowId name) override {
        return window(name) != nullptr && IsWindowVisible(window(name)->handle()) != FALSE;
    }
    std::u16string text(WindowId window, std::string_view name) override {
        return win32::windowText(control(window, name));
    }
    std::array<int, 3> place(WindowId window, std::string_view name) override {
        HWND box = control(window, name);
        const auto selection = static_cast<DWORD>(SendMessageW(box, EM_GETSEL, 0, 0));
        const auto line = static_cast<int>(SendMessageW(box, EM_GETFIRSTVISIBLELINE, 0, 0));
        return {line, LOWORD(selection) + 0, HIWORD(selection) + 0};
    }
    std::u16string accessible(WindowId window, std::string_view name, Told what) override {
        HWND asked = name.empty() ? this->window(window)->handle() : control(window, name);
        const auto [read, fresh] = readBefore.try_emplace({asked, what});
        return fresh ? (read->second = askAsScreenReader(asked, what)) : read->second;
    }
    static std::u16string askAsScreenReader(HWND asked, Told what) {
        IAccessible* object = nullptr;
        if (FAILED(AccessibleObjectFromWindow(asked, static_cast<DWORD>(OBJID_CLIENT),
                                              __uuidof(IAccessible),
                                              reinterpret_cast<void**>(&object)))) {
            return u"(no object)";
        }
        BSTR spoken = nullptr;
        VARIANT self{};  // CHILDID_SELF: the object itself, not a child
        self.vt = VT_I4;
        const HRESULT told = what == Told::Name ? object->get_accName(self, &spoken)
                                                : object->get_accDescription(self, &spoken);
        object->Release();
        const std::u16string text(reinterpret_cast<const char16_t*>(spoken), SysStringLen(spoken));
        SysFreeString(spoken);
        return told == S_OK ? text : what == Told::Name ? u"(no name)" : u"";
    }
    std::string focus() override {
        HWND focused = GetFocus();
        for (const auto id : allWindows) {
            const auto* made = toolkit_.window(id);
            if (const auto* control = made ? made->controlLayout(focused) : nullptr) {
                return std::string(nameOf(id)) + "." + std::string(control->name);
            }
        }
        return focused != nullptr && GetAncestor(focused, GA_ROOT) == openBox() ? "MessageBox" : "";
    }
    std::optional<std::u16string> box() override {
        HWND open = openBox();
        return open == nullptr ? std::nullopt
                               : std::optional(win32::windowText(open) + u"\n" +
                                               win32::windowText(GetDlgItem(open, 0xFFFF)));
    }
    WindowView view(WindowId name) override {
        const auto* found = window(name);
        const LONG style = GetWindowLongW(found->handle(), GWL_STYLE);
        RECT client{};
        GetClientRect(found->handle(), &client);
        WindowView view{.caption = win32::windowText(found->handle()),
                        .fixed = (style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) == 0,
                        .width = client.right,
                        .height = client.bottom,
                        .text = rgb(GetSysColor(COLOR_WINDOWTEXT))};
        // As Wine keeps it for the screen, once what the loop would paint when idle is.
        RedrawWindow(found->handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        HDC screen = GetDC(found->handle());
        view.pixels = painted(view.width, view.height, [&](HDC copy) {
            BitBlt(copy, 0, 0, view.width, view.height, screen, 0, 0, SRCCOPY);
        });
        view.pixelsAcross = view.width;
        ReleaseDC(found->handle(), screen);
        return view;
    }
    ControlView view(WindowId window, std::string_view name) override {
        return viewOf(control(window, name), this->window(window)->dpi());
    }

private:
    const win32::Win32Window* window(WindowId id) const { return toolkit_.window(id); }
    HWND control(WindowId window, std::string_view name) const {
        const auto* found = this->window(window);
        return found != nullptr ? found->control(name) : nullptr;
    }

    HWND work_ = nullptr;  // a message-only window that runs posted work
    HWINEVENTHOOK hook_ = nullptr;
    win32::Win32Toolkit toolkit_;
};

}  // namespace

std::unique_ptr<Driver> makeDriver() { return std::make_unique<Win32Driver>(); }

}  // namespace quillory::gui
