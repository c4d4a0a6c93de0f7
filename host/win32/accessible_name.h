#pragma once

#include <windows.h>

#include <string_view>

namespace quillory::win32 {

// Gives control the name screen readers announce it by, where its own text
// does not say what it is. A control that shows a value (a label) is
// announced as "name: text", following its text as it changes. Everything
// else about the control is what Windows' standard accessible object says,
// and nothing changes on the screen. Returns false if the control could not
// be given the name.
bool giveAccessibleName(HWND control, std::u16string_view name, bool showsValue);

}  // namespace quillory::win32
