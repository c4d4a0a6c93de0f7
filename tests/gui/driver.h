#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "host/toolkit.h"

namespace quillory::gui {

// Any wait's guard against a hang, never a measure of speed: a compositor drawing with Mesa's
// softpipe on a busy machine takes seconds to hand a new window the focus.
constexpr auto patience = std::chrono::seconds(30);

// A window and its controls as the learner sees them, in pixels; pixels are rows of
// 0xRRGGBB (the top byte aside) in the screen's own: at scale 2, four to one.
struct ControlView {
    std::string kind{};                  // "label", "button" or "box"
    std::string style{};                 // a box's: " multiline", " readonly", " vscroll"
    std::array<int, 4> place{};          // left, top, width, height
    double points = 0;                   // the font's size, where it is not the window's
    std::vector<std::uint32_t> blank{};  // a button as drawn in its state with no caption
    std::vector<std::uint32_t> whole{};  // the caption whole on one line in the control's font
};
struct WindowView {
    std::u16string caption{};
    bool fixed = false;  // no resizing, no minimize or maximize box
    int width = 0;       // the client area
    int height = 0;
    std::uint32_t text = 0;               // the window's own text colour
    std::vector<std::uint32_t> pixels{};  // the client area as it is on the screen
    int pixelsAcross = 0;
};

// One backend's hands and eyes on the program, run on the toolkit the driver makes. Input
// takes the toolkit's own paths, so modal blocking, shortcuts and focus are its own. The
// harness decides what to do and when; a driver does it only where the learner could. What
// is read is of a window shown.
class Driver {  // NOLINT(cppcoreguidelines-special-member-functions): never copied
public:
    virtual ~Driver() = default;

    [[nodiscard]] virtual Toolkit& toolkit() = 0;  // of the driver's one run
    // Runs work from the event loop; modal loops, a message box's too, run it. Work still
    // waiting when the driver goes is dropped, never run.
    virtual void post(std::function<void()> work) = 0;
    virtual int runLoop() = 0;        // the menu shown, until the run ends or quit() is called
    virtual void quit(int code) = 0;  // leaves every running loop
    // Whether what the last action caused is handled, the loop having had this many turns.
    virtual bool settled(int turns) = 0;
    // Whether the window system shows what the program asked for (a compositor may be late).
    [[nodiscard]] virtual bool caughtUp() { return true; }

    virtual void click(WindowId window, std::string_view control) = 0;
    virtual void type(std::u16string_view text) = 0;
    virtual void press(std::string_view key) = 0;  // a key's name, as in Step
    virtual void closeBox(WindowId window) = 0;
    virtual void pressOk() = 0;

    [[nodiscard]] virtual bool shown(WindowId window) = 0;
    // A label's caption or a box's text; a multi-line box's lines end in CR LF.
    [[nodiscard]] virtual std::u16string text(WindowId window, std::string_view control) = 0;
    // A multi-line box's first line shown, and where its selection starts and ends.
    [[nodiscard]] virtual std::array<int, 3> place(WindowId window, std::string_view control) = 0;
    // What a screen reader is told of the control, or the window where control is empty.
    enum class Told { Name, Description };
    [[nodiscard]] virtual std::u16string accessible(WindowId window, std::string_view control,
                                                    Told what) = 0;
    // "Form3.Text2", "MessageBox", or "" when the program has no focus.
    [[nodiscard]] virtual std::string focus() = 0;
    // The open message box's title and text, a line break between them.
    [[nodiscard]] virtual std::optional<std::u16string> box() = 0;
    [[nodiscard]] virtual WindowView view(WindowId window) = 0;
    [[nodiscard]] virtual ControlView view(WindowId window, std::string_view control) = 0;
};

std::unique_ptr<Driver> makeDriver();  // each backend's test program has one

}  // namespace quillory::gui
