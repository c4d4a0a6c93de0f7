#pragma once

#include <optional>
#include <ostream>
#include <string>
#include <vector>

// The one language the GUI tests speak: what a learner does to the program
// and what they then see. Scripted scenarios are tables of these steps; the
// random test generates them. Every backend runs them through one harness.
namespace quillory::gui {

enum class Key { Tab, ShiftTab, Enter, Escape, End, CtrlEnd };

struct Step {
    enum class Kind {
        // What the learner does. A step aimed at a window that is not open,
        // or at one a message box blocks, changes nothing, as on a desktop.
        Click,       // window.control, in its middle
        Type,        // text, key by key, into whatever has the focus
        TypeInto,    // window.control: click it, End, type text; only while the window
                     // is open and no message box is
        AltIn,       // Form3: click its heading Label2, then Alt with letter; as above
        EnterText,   // text in one piece, as an input method commits it
        Press,       // key
        PressAlt,    // Alt with letter
        CloseBox,    // the window's title-bar close box
        Ok,          // the message box's OK button
        // What the learner sees; a failing expectation fails the test.
        Windows,     // names: the program's windows on screen, sorted
        Caption,     // window's title is text
        Text,        // window.control shows text
        Named,       // a screen reader calls window.control text
        Focus,       // window.control has the keyboard focus ("MessageBox" for a box)
        Box,         // a message box saying text, titled "Quillory"
        NoBox,
        Ended,       // the run is over
        Running,
        ListView,    // window.control's first line shown is line 0 (number 0) or the last line is shown (number 1)
        Layout,      // window is on screen as its reference layout draws it
    };
    Kind kind = Kind::Click;
    std::string window{};
    std::string control{};
    std::u16string text{};
    std::vector<std::string> names{};
    Key key = Key::Tab;
    char letter = 0;
    int number = 0;
    // A part of a longer step, done only while this window is open and no
    // message box is.
    std::string onlyIn{};
};

// What the random test compares after every step: all a learner can see of
// the test's position and of the program's life.
struct Snapshot {
    std::vector<std::string> windows{};  // sorted
    std::u16string verb{};             // Form3's Label1, Text2, Text3, when it is open
    std::u16string pastTense{};
    std::u16string participle{};
    std::optional<std::u16string> box;
    bool ended = false;
    bool operator==(const Snapshot&) const = default;
};

// UTF-8, for messages.
std::string utf8(std::u16string_view text);

std::ostream& operator<<(std::ostream& out, const Step& step);
std::ostream& operator<<(std::ostream& out, const Snapshot& snapshot);

// A learner's action as one line of plain ASCII, to hand to another process
// (the Windows program under Wine), and back.
std::string toWire(const Step& step);
Step fromWire(const std::string& line);

// Writing steps down: "Form3.Command1" names a control in its window.
namespace steps {
Step click(std::string_view control);
Step type(std::u16string_view text);
Step typeInto(std::string_view control, std::u16string_view text);
Step enterText(std::u16string_view text);
Step press(Key key);
Step alt(char letter);
Step altIn(char letter);
Step closeBox(std::string_view window);
Step ok();
Step windows(std::vector<std::string> names);
Step caption(std::string_view window, std::u16string_view text);
Step text(std::string_view control, std::u16string_view text);
Step named(std::string_view control, std::u16string_view text);
Step focus(std::string_view control);
Step box(std::u16string_view text);
Step noBox();
Step ended();
Step running();
Step listView(std::string_view control, bool atEnd);
Step layout(std::string_view window);
}  // namespace steps

}  // namespace quillory::gui
