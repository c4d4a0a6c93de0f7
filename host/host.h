#pragma once

#include <string>
#include <string_view>

#include "host/layout.h"

namespace quillory {

// What a window's handlers may ask of the host. Nothing else of the
// windowing toolkit is visible to them.
class Host {
public:
    // Builds and loads the window if it is not loaded, then shows and
    // activates it; a loaded window is only activated.
    virtual void show(WindowId window) = 0;
    // Runs the window's unload handler, then destroys it with its controls.
    // Unloading a window that is not loaded does nothing.
    virtual void unload(WindowId window) = 0;
    // A label's caption or a text box's text, as a whole.
    [[nodiscard]] virtual std::u16string text(WindowId window, std::string_view control) = 0;
    virtual void setText(WindowId window, std::string_view control, std::u16string_view text) = 0;
    // An application-modal box with one OK button; returns once it is dismissed.
    virtual void messageBox(std::u16string_view text) = 0;

protected:
    Host() = default;
    ~Host() = default;
    Host(const Host&) = default;
    Host& operator=(const Host&) = default;
};

}  // namespace quillory
