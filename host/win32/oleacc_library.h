#pragma once

#include <windows.h>

#include <oleacc.h>

namespace quillory::win32 {

// The functions of the screen readers' libraries the program calls. They
// are loaded, from the system folder, when a screen reader first asks for an
// object: most runs never need them. They stay loaded, as clients may keep
// the objects they got.
struct OleaccFunctions {
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject;
    decltype(&LresultFromObject) lresultFromObject;
    decltype(&SysAllocStringLen) sysAllocStringLen;
};

// The functions, or nullptr if a library or a function is missing.
const OleaccFunctions* oleaccFunctions();

}  // namespace quillory::win32
