#include "host/win32/control_styles.h"

#include <algorithm>
#include <cmath>

#include "host/twips.h"
#include "host/win32/gdi_font.h"
#include "host/win32/wide_text.h"

namespace quillory::win32 {

NativeStyle windowStyle(Border border) {
    // The windows hold controls, so Tab and access keys reach into them.
    const DWORD exStyle = WS_EX_CONTROLPARENT;
    if (border == Border::Fixed) {
        return {nullptr, WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, exStyle};
    }
    return {nullptr, WS_OVERLAPPEDWINDOW, exStyle};
}

NativeStyle controlStyle(const ControlLayout& control) {
    const DWORD child = WS_CHILD | WS_VISIBLE | (control.takesFocus() ? WS_TABSTOP : 0);
    switch (control.kind) {
    case ControlKind::Label:
        // Plain text that wraps at words; an "&" in it is just a character.
        return {L"STATIC", child | SS_LEFT | SS_NOPREFIX, 0};
    case ControlKind::Button:
        // Never a default button: Enter in a text box presses nothing. A
        // caption too long for one line wraps, as the layouts expect.
        return {L"BUTTON", child | BS_PUSHBUTTON | BS_MULTILINE, 0};
    case ControlKind::TextBox: break;
    }
    const auto& box = control.textBox;
    DWORD style = child | ES_LEFT;
    if (box.multiLine) {
        style |= ES_MULTILINE | ES_AUTOVSCROLL;
        style |= box.verticalScrollBar ? WS_VSCROLL : 0;
    } else {
        style |= ES_AUTOHSCROLL;
    }
    style |= box.readOnly ? ES_READONLY : 0;
    return {L"EDIT", style, WS_EX_CLIENTEDGE};
}

LOGFONTW layoutFont(const Font& font, UINT dpi) {
    LOGFONTW logical{};
    // A point is 20 twips, so a fractional size rounds once, at the pixel.
    const int twips = static_cast<int>(std::lround(font.points * 20));
    logical.lfHeight = -twipsToPixels(twips, static_cast<int>(dpi));
    logical.lfWeight = font.weight;
    logical.lfCharSet = DEFAULT_CHARSET;
    logical.lfQuality = DEFAULT_QUALITY;
    const std::size_t length = std::min(font.family.size(), std::size_t{LF_FACESIZE - 1});
    std::copy_n(font.family.data(), length, logical.lfFaceName);
    return logical;
}

LOGFONTW fittedFont(LOGFONTW font, const ControlLayout& control, UINT dpi) {
    // A button lays its caption out inside its 2-pixel frame and a pixel of
    // margin, at any DPI, and centres the rectangle that took in the frame.
    // Wine 8 then lays it out again at that rectangle's width, which may break
    // a line a word early and run a line further down: every line must end
    // inside the frame. A label draws from its top.
    const bool button = control.kind == ControlKind::Button;
    const int width = twipsToPixels(control.rect.width, static_cast<int>(dpi)) - (button ? 6 : 0);
    const int height = twipsToPixels(control.rect.height, static_cast<int>(dpi)) - (button ? 4 : 0);
    const UINT flags = DT_CALCRECT | DT_WORDBREAK | (button ? DT_CENTER : DT_NOPREFIX);
    const std::u16string caption(control.caption);
    HDC dc = GetDC(nullptr);
    for (; control.kind != ControlKind::TextBox && font.lfHeight < -1; ++font.lfHeight) {
        const GdiFont trial(font);
        const HGDIOBJ before = SelectObject(dc, trial.handle());
        RECT laid{0, 0, width, 0};
        DrawTextW(dc, wide(caption), -1, &laid, flags);
        RECT shown{0, 0, laid.right, 0};
        DrawTextW(dc, wide(caption), -1, &shown, flags);
        SelectObject(dc, before);
        const LONG top = button ? (height - laid.bottom) / 2 : 0;
        if (std::max(laid.right, shown.right) <= width && top + shown.bottom <= height) {
            break;
        }
    }
    ReleaseDC(nullptr, dc);
    return font;
}

}  // namespace quillory::win32
