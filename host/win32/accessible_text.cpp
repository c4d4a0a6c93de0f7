#include "host/win32/accessible_text.h"

#include <commctrl.h>

#include <memory>

namespace quillory::win32 {
namespace {

// Where describe() finds a window's texts: a property, as the x86_64 import
// library of MinGW-w64 10.0.0 (Debian 12) lacks GetWindowSubclass; nm on its
// libcomctl32.a shows whether a newer one has it.
constexpr const wchar_t* textProperty = L"QuilloryAccessibleText";

LRESULT CALLBACK namedControlProcedure(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                       UINT_PTR id, DWORD_PTR data) {
    auto* text = reinterpret_cast<AccessibleText*>(data);
    if (message == WM_GETOBJECT) {
        if (const LRESULT answer = accessibleObject(control, wParam, lParam, *text); answer != 0) {
            return answer;
        }
    } else if (message == WM_NCDESTROY) {
        RemoveWindowSubclass(control, &namedControlProcedure, id);
        RemovePropW(control, textProperty);
        delete text;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace

bool giveAccessibleText(HWND control, const ControlLayout& layout) {
    const bool named = !layout.accessibleName.empty();
    if (!named && layout.describedBy.empty()) {
        return true;
    }
    auto data =
        std::make_unique<AccessibleText>(AccessibleText{.named = named ? &layout : nullptr});
    if (!SetWindowSubclass(control, &namedControlProcedure, 0,
                           reinterpret_cast<DWORD_PTR>(data.get()))) {
        return false;
    }
    SetPropW(control, textProperty, data.get());
    data.release();  // the window's subclass owns it until WM_NCDESTROY
    return true;
}

void describe(HWND window, std::u16string_view description) {
    if (auto* text = static_cast<AccessibleText*>(GetPropW(window, textProperty))) {
        text->description = description;
        NotifyWinEvent(EVENT_OBJECT_DESCRIPTIONCHANGE, window, OBJID_CLIENT, CHILDID_SELF);
    }
}

}  // namespace quillory::win32
