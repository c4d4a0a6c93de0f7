#pragma once

#include <windows.h>

#include <functional>
#include <string_view>

// Learner input as the window manager delivers it, posted on the GUI
// thread. Nothing here bypasses what Windows itself would refuse.
namespace quillory::gui::input {

// Whether the window manager would let input reach window: it and every
// window it sits in are visible and enabled. A window under a modal box is
// disabled, so the box takes the learner's input instead.
[[nodiscard]] bool reachable(HWND window);

// A left click in the middle of target, which first activates its
// top-level window as a real click does. Does nothing if target is out of
// reach, as Windows drops such a click.
void click(HWND target);

// One key with modifiers, to the window with the keyboard focus. The
// thread's key state holds the modifiers while the key is handled, as
// IsDialogMessage and the edit control read them from there.
struct Stroke {
    UINT key = 0;
    bool shift = false;
    bool control = false;
    bool alt = false;
};
void press(const std::function<void(std::function<void()>)>& post, const Stroke& stroke);

// Characters to the window with the keyboard focus, as the keyboard layout
// would turn key presses into them.
void type(std::u16string_view text);

// The open message box of the program, or nullptr.
[[nodiscard]] HWND openMessageBox();

}  // namespace quillory::gui::input
