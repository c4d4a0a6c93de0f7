#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "host/layout.h"

namespace quillory::win32 {

// What screen readers are told of a window or control beyond what Windows
// works out itself. Nothing changes on the screen.
struct AccessibleText {
    // A control its layout names: it is announced by spokenText, following
    // its text as it changes. Without one, Windows' own name stays.
    const ControlLayout* named = nullptr;
    // Read after the name; an empty one leaves Windows' own.
    std::u16string description{};
};

// The answer to WM_GETOBJECT (flags, objectId) for a window or control given
// texts: Windows' standard accessible object for its client area under the
// texts; 0 leaves Windows' own answer. Not IAccPropServices: that would load
// OLE as each window is built, where this loads OLEACC only when a screen
// reader first asks; a name that follows a label needs an object of our own
// anyway; and Wine 8.0 answers its setters with E_NOTIMPL.
LRESULT accessibleObject(HWND window, WPARAM flags, LPARAM objectId, const AccessibleText& text);

// Makes a control its layout names, or one a label describes, answer
// WM_GETOBJECT with its texts, through a subclass. Returns false if the
// control needs texts and could not be given them.
bool giveAccessibleText(HWND control, const ControlLayout& layout);

// Changes the description of a window given texts, and tells screen readers.
void describe(HWND window, std::u16string_view description);

}  // namespace quillory::win32
