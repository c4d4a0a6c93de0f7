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
// texts (accessible_proxy.cpp): Windows' standard accessible object for its
// client area under the texts. 0 leaves Windows' own answer.
//
// Hand-written, not Windows' own annotation (IAccPropServices, XP and
// later): that is a COM object, so OLE would be loaded and initialised as
// each window is built, before any screen reader asks, where this loads
// OLEACC on the first WM_GETOBJECT; a name that follows a label's text would
// need a callback object of our own anyway; and Wine 8.0 answers every
// IAccPropServices setter with E_NOTIMPL, so no test under Wine could read
// a name given that way.
LRESULT accessibleObject(HWND window, WPARAM flags, LPARAM objectId, const AccessibleText& text);

// Makes a control its layout names, or one a label describes, answer
// WM_GETOBJECT with its texts, through a subclass. Returns false if the
// control needs texts and could not be given them.
bool giveAccessibleText(HWND control, const ControlLayout& layout);

// Changes the description of a window given texts, and tells screen readers.
void describe(HWND window, std::u16string_view description);

}  // namespace quillory::win32
