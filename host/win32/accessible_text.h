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

// The answer to WM_GETOBJECT (flags, objectId) for a window of the program's
// own class, which answers it itself; 0 leaves Windows' own answer.
LRESULT accessibleObject(HWND window, WPARAM flags, LPARAM objectId, const AccessibleText& text);

// Makes a control answer WM_GETOBJECT with the texts, through a subclass.
// Returns false if the window could not be given the texts.
bool giveAccessibleText(HWND window, AccessibleText text);

// Changes the description of a window given texts, and tells screen readers.
void describe(HWND window, std::u16string_view description);

}  // namespace quillory::win32
