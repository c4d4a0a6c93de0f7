#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "gui/steps.h"

namespace quillory::gui {

// How long any wait for the program goes on: only a guard against waiting
// for ever, never a measure of speed. A compositor drawing with Mesa's
// softpipe on a busy machine takes seconds to hand a new window the focus.
constexpr auto patience = std::chrono::seconds(30);

// A window as the learner sees it: places and sizes in the screen's pixels,
// dpi of them to an inch, the controls in the order of the window's layout.
struct ControlView {
    std::string name{};          // as in the layout
    std::string kind{};          // "label", "button" or "box"
    std::string style{};         // a box's: " multiline", " readonly", " vscroll"
    std::array<int, 4> place{};  // left, top, width, height
    double points = 0;           // the font's size, where it is not the window's
    std::array<int, 4> room{};   // where a caption may draw, in the window
    // The caption laid out whole at the room's width in the control's font,
    // free to run past it, in the screen's pixels.
    std::vector<std::uint32_t> whole{};
    int wholeAcross = 0;
};
struct WindowView {
    std::u16string caption{};
    bool fixed = false;  // no resizing, no minimize or maximize box
    int width = 0;       // the client area
    int height = 0;
    int dpi = 96;
    std::uint32_t text = 0;  // the window's own text colour, 0xRRGGBB
    std::vector<ControlView> controls{};
    // The client area as it is on the screen, row after row of 0xRRGGBB
    // (the top byte aside), in the screen's own pixels: at a scale of 2,
    // twice as many each way.
    std::vector<std::uint32_t> pixels{};
    int pixelsAcross = 0;
};

// One backend's hands and eyes on the running program. Input goes through
// the toolkit's own paths (a click is a mouse press and release on the
// window, a key a key event to the window with the focus), so modal
// blocking, shortcuts and focus are the toolkit's own. The harness decides
// what to do and when; a driver only does it. Actions do nothing where the
// learner could not do them; a control that is not shown reads as such.
class Driver {  // NOLINT(cppcoreguidelines-special-member-functions): never copied
public:
    virtual ~Driver() = default;

    // Builds the program and shows the menu, as the program's main does.
    virtual void start() = 0;
    // Runs work from the event loop; modal loops, a message box's too, run it.
    virtual void post(std::function<void()> work) = 0;
    // The program's event loop, until the run ends or quit() is called.
    virtual int runLoop() = 0;
    // Leaves every running loop with this exit code.
    virtual void quit(int code) = 0;
    // Whether what the last action caused has all been handled, after the
    // loop has had this many turns since.
    virtual bool settled(int turns) = 0;
    // Tears the program down.
    virtual void stop() = 0;
    // Whether the window system shows what the program asked it to: where a
    // compositor decides, one window with the keyboard, an open message box
    // once it has it.
    [[nodiscard]] virtual bool caughtUp() { return true; }

    virtual void click(std::string_view window, std::string_view control) = 0;
    virtual void type(std::u16string_view text) = 0;
    virtual void press(std::string_view key) = 0;  // a key's name, as in Step
    virtual void closeBox(std::string_view window) = 0;
    virtual void pressOk() = 0;

    // Whether the window is on the screen, and the program's windows that are.
    [[nodiscard]] virtual bool shown(std::string_view window) = 0;
    [[nodiscard]] std::vector<std::string> windows() {
        std::vector<std::string> names{"Form1", "Form2", "Form3", "Form4"};
        std::erase_if(names, [this](const std::string& name) { return !shown(name); });
        return names;
    }
    // A label's caption or a box's text; a multi-line box's lines end in CR LF.
    [[nodiscard]] virtual std::u16string text(std::string_view window,
                                              std::string_view control) = 0;
    // What a screen reader is told of the control, or of the window where
    // control is empty: its name, or its description.
    enum class Told { Name, Description };
    // A multi-line box's first line shown, and where its selection starts
    // and ends (at the caret where nothing is selected).
    [[nodiscard]] virtual std::array<int, 3> place(std::string_view window,
                                                   std::string_view control) = 0;
    [[nodiscard]] virtual std::u16string accessible(std::string_view window,
                                                    std::string_view control, Told what) = 0;
    // "Form3.Text2", "MessageBox", or "" when the program has no focus.
    [[nodiscard]] virtual std::string focus() = 0;
    // The open message box's title and text, a line break between them.
    [[nodiscard]] virtual std::optional<std::u16string> box() = 0;
    [[nodiscard]] virtual bool ended() = 0;
    [[nodiscard]] virtual std::optional<WindowView> view(std::string_view window) = 0;
};

// The backend's driver; each backend's test program provides it.
std::unique_ptr<Driver> makeDriver();

// A window as the learner sees it, in the form of tests/data/layouts.txt, and
// the reference lines of that file with every [place and size] turned from
// twips into pixels at dpi. A label's colour is read from the screen. In an
// appearance other than the light default (QUILLORY_APPEARANCE names it) a
// label has no colour of its own to show: it only has to stand out from its
// background by 4.5:1 or more (WCAG's floor for text of this size), and is
// "unreadable" where it does not.
std::vector<std::string> describe(Driver& driver, std::string_view window);
std::vector<std::string> expectedLayout(std::string_view window, int dpi);

}  // namespace quillory::gui
