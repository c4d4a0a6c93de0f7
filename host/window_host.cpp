#include "host/window_host.h"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <string>
#include <utility>

#include "host/spoken_text.h"

namespace quillory {

WindowHost::WindowHost(Toolkit& toolkit, Windows windows)
    : toolkit_(toolkit), windows_(std::move(windows)) {}

void WindowHost::click(WindowId id, std::string_view button) {
    if (!isLoaded(id)) {
        return;  // a click that raced the window's unloading
    }
    handleEvent([this, id, button] { window(id).onClick(*this, button); });
}

void WindowHost::handleEvent(const std::function<void()>& handling) {
    ++eventDepth_;
    try {
        handling();
    } catch (const std::exception& error) {
        toolkit_.stopProgram(std::string("Quillory has stopped: ") + error.what());
    }
    // A handler may unload the last window and then show another, or show
    // a message box with no window left: only its return is decisive.
    if (--eventDepth_ == 0 && std::ranges::none_of(loaded_, std::identity{}) && !ended_) {
        ended_ = true;
        toolkit_.endRun();
    }
}

void WindowHost::show(WindowId id) {
    if (isLoaded(id)) {
        toolkit_.activate(id);
        return;
    }
    toolkit_.build(
        window(id).layout(), [this, id](std::string_view button) { click(id, button); },
        [this, id] { closeBox(id); });
    loaded_.at(indexOf(id)) = true;
    for (const auto& control : layoutOf(id).controls) {
        if (control.kind == ControlKind::Label) {
            presentLabel(id, control, control.caption);
        }
    }
    window(id).onLoad(*this);
    // The focus goes last, after the window system's own choice on activation.
    toolkit_.show(id);
    toolkit_.activate(id);
    if (const ControlLayout* first = layoutOf(id).firstFocusable()) {
        toolkit_.focus(id, *first);
    }
}

void WindowHost::unload(WindowId id) {
    if (!isLoaded(id)) {
        return;
    }
    window(id).onUnload(*this);
    loaded_.at(indexOf(id)) = false;
    toolkit_.destroy(id);
}

std::u16string WindowHost::text(WindowId id, std::string_view control) {
    return toolkit_.text(id, loadedControl(id, control));
}

void WindowHost::setText(WindowId id, std::string_view control, std::u16string_view text) {
    const ControlLayout& shown = loadedControl(id, control);
    toolkit_.setText(id, shown, text);
    if (shown.kind == ControlKind::Label) {
        presentLabel(id, shown, text);
    }
}

void WindowHost::presentLabel(WindowId id, const ControlLayout& label, std::u16string_view text) {
    const std::u16string spoken = spokenText(label, text);
    if (!label.accessibleName.empty()) {
        toolkit_.announceNameChange(id, label, spoken);
    }
    for (const auto& control : layoutOf(id).controls) {
        if (control.describedBy == label.name) {
            toolkit_.describe(id, control, spoken);
        }
    }
}

Window& WindowHost::window(WindowId id) const {
    for (const auto& window : windows_) {
        if (window && window->layout().id == id) {
            return *window;
        }
    }
    throw std::logic_error("no window " + std::string(nameOf(id)));
}

const ControlLayout& WindowHost::loadedControl(WindowId id, std::string_view name) const {
    const auto* control = window(id).layout().find(name);
    if (control == nullptr || !isLoaded(id)) {
        throw std::logic_error(std::string(nameOf(id)) + " has no loaded control " +
                               std::string(name));
    }
    return *control;
}

}  // namespace quillory
