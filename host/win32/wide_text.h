#pragma once

#include <windows.h>

#include <string>

// wchar_t is UTF-16 on Windows, as are the program's strings: they pass to
// the wide-character API with a cast, never a conversion.
namespace quillory::win32 {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Windows API is UTF-16");

inline const wchar_t* wide(const std::u16string& text) {
    return reinterpret_cast<const wchar_t*>(text.c_str());
}

inline std::u16string windowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::u16string text(static_cast<std::size_t>(length) + 1, u'\0');
    const int copied = GetWindowTextW(window, reinterpret_cast<wchar_t*>(text.data()), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

}  // namespace quillory::win32
