#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Drives the running program as a learner does, through real toolkit input,
// and reads back what is on the screen. Each backend implements it; the
// scenarios are written once against it.
namespace quillory::scenario {

enum class Key { Tab, ShiftTab, Enter, Escape, CtrlHome, CtrlEnd };

struct Focus {
    std::string window;
    std::string control;
    bool operator==(const Focus&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    bool operator==(const PixelRect&) const = default;
};

// The lines of a multi-line box that can be seen, counted from 0.
struct VisibleLines {
    int first = 0;
    int last = 0;
};

class Driver {
public:
    Driver() = default;
    Driver(const Driver&) = delete;
    Driver& operator=(const Driver&) = delete;
    virtual ~Driver() = default;

    // The program's windows on screen, by name, in no particular order; an
    // open message box is not one of them.
    [[nodiscard]] virtual std::vector<std::string> openWindows() = 0;
    [[nodiscard]] virtual std::u16string windowCaption(std::string_view window) = 0;
    // The client area in pixels.
    [[nodiscard]] virtual PixelRect clientArea(std::string_view window) = 0;
    // A control's place in its window's client area, in pixels.
    [[nodiscard]] virtual PixelRect controlRect(std::string_view window,
                                                std::string_view control) = 0;
    [[nodiscard]] virtual bool isResizable(std::string_view window) = 0;

    // A left-button click in the middle of the control.
    virtual void click(std::string_view window, std::string_view control) = 0;
    // Typed into whatever has the keyboard focus, one character at a time.
    virtual void type(std::u16string_view text) = 0;
    // Enters text into whatever has the keyboard focus in one piece, as an
    // input method commits what the learner composed: the quick way to
    // enter a long text. A backend without such a path types it.
    virtual void enterText(std::u16string_view text) { type(text); }
    virtual void press(Key key) = 0;
    // Alt with a letter, as for an access key.
    virtual void pressAlt(char letter) = 0;
    // The title-bar close box.
    virtual void closeWindow(std::string_view window) = 0;

    [[nodiscard]] virtual std::optional<Focus> focus() = 0;
    // A label's caption or a text box's text, as shown; a multi-line box
    // gives its lines ended by CR LF.
    [[nodiscard]] virtual std::u16string text(std::string_view window,
                                              std::string_view control) = 0;
    [[nodiscard]] virtual VisibleLines visibleLines(std::string_view window,
                                                    std::string_view control) = 0;

    // The open message box's text, or nothing.
    [[nodiscard]] virtual std::optional<std::u16string> messageBox() = 0;
    [[nodiscard]] virtual std::u16string messageBoxTitle() = 0;
    // Presses the open message box's OK button.
    virtual void dismissMessageBox() = 0;

    // True once the program has ended its run.
    [[nodiscard]] virtual bool runEnded() = 0;
};

using Scenario = std::function<void(Driver&)>;

// Starts the program, runs the scenario against it and tears it down. The
// backend's test program provides it.
void runScenario(const Scenario& scenario);

}  // namespace quillory::scenario
