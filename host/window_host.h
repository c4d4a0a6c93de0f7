#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string_view>

#include "host/host.h"
#include "host/toolkit.h"
#include "host/window.h"

namespace quillory {

// The program's windows, in any order: the host finds each by its layout's id.
using Windows = std::array<std::unique_ptr<Window>, allWindows.size()>;

// The host the handlers talk to and the windows report clicks and close
// boxes to. It owns the one instance of each window and ends the run when no
// window is loaded once the running handler has returned. A window operation
// that fails while an event is handled stops the program, saying why.
class WindowHost final : public Host {
public:
    WindowHost(Toolkit& toolkit, Windows windows);

    void start(WindowId first) {
        handleEvent([this, first] { show(first); });
    }
    void click(WindowId id, std::string_view button);
    void closeBox(WindowId id) {
        handleEvent([this, id] { unload(id); });
    }

    [[nodiscard]] bool isLoaded(WindowId id) const { return loaded_.at(indexOf(id)); }
    [[nodiscard]] bool runEnded() const { return ended_; }
    [[nodiscard]] const WindowLayout& layoutOf(WindowId id) const { return window(id).layout(); }

    void show(WindowId id) override;
    void unload(WindowId id) override;
    [[nodiscard]] std::u16string text(WindowId id, std::string_view control) override;
    void setText(WindowId id, std::string_view control, std::u16string_view text) override;
    void messageBox(std::u16string_view text) override { toolkit_.messageBox(text); }

private:
    // Handles one event, then checks for the end of the run.
    void handleEvent(const std::function<void()>& handling);
    Window& window(WindowId id) const;
    const ControlLayout& loadedControl(WindowId id, std::string_view name) const;
    // Tells screen readers what the label says now: as its own name, where it
    // shows a value, and as the description of every control it describes.
    void presentLabel(WindowId id, const ControlLayout& label, std::u16string_view text);

    Toolkit& toolkit_;
    Windows windows_;
    std::array<bool, allWindows.size()> loaded_{};
    int eventDepth_ = 0;
    bool ended_ = false;
};

}  // namespace quillory
