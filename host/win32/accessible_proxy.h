#pragma once

#include <windows.h>

#include "host/win32/accessible_text.h"

namespace quillory::win32 {

// The answer to WM_GETOBJECT for the control's client area: Windows'
// standard accessible object under the control's texts. 0 leaves the
// control's standard answer.
//
// Hand-written, not Windows' own annotation (IAccPropServices, XP and
// later): that is a COM object, so OLE would be loaded and initialised as
// each window is built, before any screen reader asks, where this loads
// OLEACC on the first WM_GETOBJECT; a name that follows a label's text would
// need a callback object of our own anyway; and Wine 8.0 answers every
// IAccPropServices setter with E_NOTIMPL, so no test under Wine could read
// a name given that way.
LRESULT accessibleProxy(HWND control, WPARAM flags, const AccessibleText& text);

}  // namespace quillory::win32
