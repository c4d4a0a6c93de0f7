#pragma once

#include <windows.h>

#include "host/win32/accessible_text.h"

namespace quillory::win32 {

// The answer to WM_GETOBJECT for the control's client area: Windows'
// standard accessible object under the control's texts. 0 leaves the
// control's standard answer.
LRESULT accessibleProxy(HWND control, WPARAM flags, const AccessibleText& text);

}  // namespace quillory::win32
