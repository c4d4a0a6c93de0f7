// The Windows backend's own promises, checked on the native windows it
// builds: styles, sizes at a DPI, fonts, colours and accessible names.
#include <gtest/gtest.h>
#include <oleacc.h>

#include <cstdlib>
#include <string>

#include "app/windows.h"
#include "host/twips.h"
#include "host/win32/control_styles.h"
#include "host/win32/dpi.h"
#include "host/win32/win32_toolkit.h"

namespace quillory::win32 {
namespace {

// The program's windows, built by the host but never run in a loop: what
// the tests read is the state that build and present leave behind.
class Win32ToolkitTest : public ::testing::Test {
protected:
    Win32ToolkitTest() : host_(toolkit_, makeWindows()) { toolkit_.attach(host_); }

    const Win32Window& show(WindowId id) {
        host_.show(id);
        return *toolkit_.window(id);
    }

    HWND control(WindowId id, std::string_view name) { return toolkit_.window(id)->control(name); }

    Win32Toolkit toolkit_;
    WindowHost host_;
};

LONG styleOf(HWND window) { return GetWindowLongW(window, GWL_STYLE); }

SIZE clientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

RECT placeOf(HWND control) {
    RECT rect{};
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

LOGFONTW fontOf(HWND control) {
    LOGFONTW font{};
    const auto handle = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    GetObjectW(handle, sizeof(font), &font);
    return font;
}

std::wstring faceOf(const LOGFONTW& font) { return font.lfFaceName; }

// The name a screen reader reads for a control, asked for as it asks.
std::wstring accessibleName(HWND control) {
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          IID_IAccessible, reinterpret_cast<void**>(&object)))) {
        return L"(no accessible object)";
    }
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    const HRESULT result = object->get_accName(self, &name);
    object->Release();
    std::wstring text = result == S_OK ? std::wstring(name, SysStringLen(name)) : L"(no name)";
    SysFreeString(name);
    return text;
}

TEST_F(Win32ToolkitTest, FixedWindowsHaveNoThickFrameNorSizeBoxes) {
    for (const auto id : {WindowId::Form1, WindowId::Form2, WindowId::Form4}) {
        SCOPED_TRACE(std::string(nameOf(id)));
        const LONG style = styleOf(show(id).handle());
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    }
    const LONG sizable = styleOf(show(WindowId::Form3).handle());
    EXPECT_EQ(sizable & WS_OVERLAPPEDWINDOW, WS_OVERLAPPEDWINDOW);
}

TEST_F(Win32ToolkitTest, ClientAreasAndControlsAreTheLayoutsInPixels) {
    for (const auto id : allWindows) {
        SCOPED_TRACE(std::string(nameOf(id)));
        const Win32Window& window = show(id);
        const int dpi = static_cast<int>(window.dpi());
        const WindowLayout& layout = window.layout();
        const SIZE client = clientSize(window.handle());
        EXPECT_EQ(client.cx, twipsToPixels(layout.clientWidth, dpi));
        EXPECT_EQ(client.cy, twipsToPixels(layout.clientHeight, dpi));
        for (const auto& control : layout.controls) {
            SCOPED_TRACE(std::string(control.name));
            const RECT place = placeOf(window.control(control.name));
            EXPECT_EQ(place.left, twipsToPixels(control.rect.left, dpi));
            EXPECT_EQ(place.top, twipsToPixels(control.rect.top, dpi));
            EXPECT_EQ(place.right - place.left, twipsToPixels(control.rect.width, dpi));
            EXPECT_EQ(place.bottom - place.top, twipsToPixels(control.rect.height, dpi));
        }
    }
}

// The manifest makes the program DPI-aware, so Windows does not stretch its
// bitmap: the windows see the screen's own density. The test script says
// which density it set up, where it set one.
TEST_F(Win32ToolkitTest, WindowsAreBuiltAtTheScreensDpi) {
    const Win32Window& menu = show(WindowId::Form1);
    EXPECT_EQ(menu.dpi(), systemDpi());
    if (const char* screen = std::getenv("QUILLORY_SCREEN_DPI")) {
        EXPECT_EQ(menu.dpi(), static_cast<UINT>(std::stoi(screen)));
    }
}

TEST_F(Win32ToolkitTest, ControlsHaveTheirNativeKinds) {
    show(WindowId::Form3);
    const LONG button = styleOf(control(WindowId::Form3, "Command3"));
    EXPECT_EQ(button & BS_TYPEMASK, BS_PUSHBUTTON) << "no default button";
    EXPECT_NE(button & BS_MULTILINE, 0) << "long captions wrap";
    EXPECT_NE(button & WS_TABSTOP, 0);
    const LONG box = styleOf(control(WindowId::Form3, "Text2"));
    EXPECT_EQ(box & (ES_MULTILINE | ES_READONLY), 0);
    EXPECT_EQ(box & (ES_AUTOHSCROLL | WS_TABSTOP), ES_AUTOHSCROLL | WS_TABSTOP);
    const LONG label = styleOf(control(WindowId::Form3, "Label1"));
    EXPECT_NE(label & SS_NOPREFIX, 0) << "an & in a verb is no access key";
    EXPECT_EQ(label & WS_TABSTOP, 0);

    show(WindowId::Form2);
    const LONG list = styleOf(control(WindowId::Form2, "Text1"));
    const LONG listStyle = ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_TABSTOP;
    EXPECT_EQ(list & listStyle, listStyle);
}

TEST_F(Win32ToolkitTest, PresentFocusesTheLowestTabIndexThatTakesFocus) {
    // Text3's tab index is below Text2's; the labels before it take no focus.
    show(WindowId::Form3);
    EXPECT_EQ(GetFocus(), control(WindowId::Form3, "Text3"));
    EXPECT_EQ(GetNextDlgTabItem(toolkit_.window(WindowId::Form3)->handle(), GetFocus(), FALSE),
              control(WindowId::Form3, "Text2"));
}

TEST_F(Win32ToolkitTest, MenuLabelsHaveTheirFontAndColourOthersTheMessageFont) {
    const Win32Window& menu = show(WindowId::Form1);
    const int dpi = static_cast<int>(menu.dpi());
    const LOGFONTW welcome = fontOf(menu.control("Lable1"));
    EXPECT_EQ(faceOf(welcome), L"MS Sans Serif");
    EXPECT_EQ(welcome.lfHeight, -twipsToPixels(270, dpi)) << "13.5 points";
    EXPECT_EQ(fontOf(menu.control("Label1")).lfHeight, -twipsToPixels(240, dpi));
    EXPECT_EQ(faceOf(fontOf(menu.control("Command1"))), faceOf(messageFont(menu.dpi())));

    // The colour is what the label asks its window for when it paints.
    HDC dc = CreateCompatibleDC(nullptr);
    SendMessageW(menu.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(menu.control("Lable1")));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 0, 255));
    SendMessageW(menu.handle(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                 reinterpret_cast<LPARAM>(menu.control("Label1")));
    EXPECT_EQ(GetTextColor(dc), RGB(255, 0, 0));
    DeleteDC(dc);
}

TEST_F(Win32ToolkitTest, MovingToAnotherDpiRescalesWindowControlsAndFonts) {
    const Win32Window& menu = show(WindowId::Form1);
    constexpr UINT dpi = 144;
    RECT suggested{10, 20, 500, 400};
    SendMessageW(menu.handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                 reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(menu.dpi(), dpi);
    EXPECT_EQ(clientSize(menu.handle()).cx, twipsToPixels(6075, dpi));
    EXPECT_EQ(clientSize(menu.handle()).cy, twipsToPixels(2835, dpi));
    const RECT exit = placeOf(menu.control("Command4"));
    EXPECT_EQ(exit.left, twipsToPixels(3160, dpi));
    EXPECT_EQ(exit.bottom - exit.top, twipsToPixels(495, dpi));
    EXPECT_EQ(fontOf(menu.control("Lable1")).lfHeight, -27);
    RECT frame{};
    GetWindowRect(menu.handle(), &frame);
    EXPECT_EQ(frame.left, suggested.left);
    EXPECT_EQ(frame.top, suggested.top);
}

TEST_F(Win32ToolkitTest, DestroyRemovesTheNativeWindow) {
    HWND about = show(WindowId::Form4).handle();
    host_.unload(WindowId::Form4);
    EXPECT_EQ(toolkit_.window(WindowId::Form4), nullptr);
    EXPECT_FALSE(IsWindow(about));
}

TEST_F(Win32ToolkitTest, ScreenReadersHearTheLayoutsNames) {
    show(WindowId::Form3);
    const auto named = [this](std::string_view name) {
        return accessibleName(control(WindowId::Form3, name));
    };
    EXPECT_EQ(named("Text2"), L"Past Tense");
    EXPECT_EQ(named("Text3"), L"Past Participle");
    EXPECT_EQ(named("Label1"), L"Infinitive: arise");
    SendMessageW(control(WindowId::Form3, "Command3"), BM_CLICK, 0, 0);  // Next
    EXPECT_EQ(named("Label1"), L"Infinitive: awake");
    EXPECT_EQ(GetWindowTextLengthW(control(WindowId::Form3, "Label1")), 5)
        << "the label shows awake";
    // A control the layout does not name keeps the standard name.
    EXPECT_EQ(named("Command1"), L"Check Past Tense");

    show(WindowId::Form2);
    EXPECT_EQ(accessibleName(control(WindowId::Form2, "Text1")), L"Irregular verb list");
}

TEST(LayoutFont, RoundsFractionalPointsOnceAtThePixel) {
    const Font font{u"MS Sans Serif", 13.5, 700};
    EXPECT_EQ(layoutFont(font, 96).lfHeight, -18);
    EXPECT_EQ(layoutFont(font, 120).lfHeight, -23) << "22.5 rounds away from zero";
    EXPECT_EQ(layoutFont(font, 96).lfWeight, 700);
    EXPECT_EQ(std::wstring(layoutFont(font, 96).lfFaceName), L"MS Sans Serif");
    const Font longName{u"A family name far longer than thirty-one characters", 8, 400};
    EXPECT_EQ(std::wstring(layoutFont(longName, 96).lfFaceName).size(), LF_FACESIZE - 1U);
}

}  // namespace
}  // namespace quillory::win32
