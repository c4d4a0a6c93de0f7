#pragma once

#include <windows.h>

#include <oleacc.h>

namespace quillory::win32 {

// The screen readers' library functions the program calls, loaded from the
// system folder when a screen reader first asks (most runs never do), and
// kept loaded, as clients may keep the objects they got.
struct OleaccFunctions {
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject;
    decltype(&LresultFromObject) lresultFromObject;
    decltype(&SysAllocStringLen) sysAllocStringLen;
};

// The functions, or nullptr if a library or a function is missing.
const OleaccFunctions* oleaccFunctions();

}  // namespace quillory::win32
