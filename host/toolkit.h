#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "host/layout.h"

namespace quillory {

// The title of every message box the program shows.
inline constexpr std::u16string_view messageBoxTitle = u"Quillory";

// What a window's buttons and its close box call.
using ButtonHandler = std::function<void(std::string_view button)>;
using CloseHandler = std::function<void()>;

// What a windowing toolkit must provide; the rules live in WindowHost, which
// asks only for windows it has loaded and controls of their layouts.
class Toolkit {
public:
    Toolkit() = default;
    Toolkit(const Toolkit&) = delete;
    Toolkit& operator=(const Toolkit&) = delete;
    virtual ~Toolkit() = default;

    // Creates the native window and its controls, not yet visible.
    virtual void build(const WindowLayout& layout, ButtonHandler onButton,
                       CloseHandler onClose) = 0;
    virtual void show(WindowId window) = 0;
    virtual void activate(WindowId window) = 0;
    virtual void focus(WindowId window, const ControlLayout& control) = 0;
    virtual void destroy(WindowId window) = 0;
    [[nodiscard]] virtual std::u16string text(WindowId window, const ControlLayout& control) = 0;
    virtual void setText(WindowId window, const ControlLayout& control,
                         std::u16string_view text) = 0;
    // Tells screen readers that a label given a name is now called name.
    virtual void announceNameChange(WindowId window, const ControlLayout& label,
                                    std::u16string_view name) = 0;
    // Gives the control the description screen readers read after its name.
    virtual void describe(WindowId window, const ControlLayout& control,
                          std::u16string_view description) = 0;
    virtual void messageBox(std::u16string_view text) = 0;
    // Leaves the event loop: no window is loaded and no handler runs.
    virtual void endRun() = 0;
    // Ends the program at once, showing why (UTF-8) where the learner sees it.
    [[noreturn]] virtual void stopProgram(const std::string& reason) = 0;
};

}  // namespace quillory
