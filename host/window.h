#pragma once

#include <string_view>

#include "host/host.h"
#include "host/layout.h"

namespace quillory {

// One of the program's windows: its layout and its event handlers. The host
// keeps one instance of each for the whole run and builds the native window
// from the layout every time the window is loaded.
class Window {
public:
    explicit Window(const WindowLayout& layout) : layout_(layout) {}
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    [[nodiscard]] const WindowLayout& layout() const { return layout_; }
    virtual void onLoad(Host& /*host*/) {}
    virtual void onUnload(Host& /*host*/) {}
    virtual void onClick(Host& /*host*/, std::string_view /*button*/) {}

private:
    const WindowLayout& layout_;
};

}  // namespace quillory
