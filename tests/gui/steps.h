#pragma once

#include <ostream>
#include <string>
#include <vector>

// What a learner does and then sees: scenarios are tables of these, run on every backend.
namespace quillory::gui {

struct Step {
    // The target: a control ("Form3.Command1"), a window ("Form3"), a key as Qt names it
    // ("Shift+Tab", "Return", "Esc", "Ctrl+End", "Alt+N"), or window names ("Form1,Form4").
    enum class Kind {
        // What the learner does; aimed at a window not open or blocked, it changes nothing.
        Click,     // the control, in its middle
        Type,      // text, key by key, into whatever has the focus
        Press,     // the key
        CloseBox,  // the window's title-bar close box
        Ok,        // the message box's OK button
        // What the learner sees; a failing expectation fails the test.
        Windows,    // the program's windows on screen are these
        Text,       // the control shows text
        VerbList,   // the control shows the verb list of tests/data/verb_list.txt
        AtTop,      // the box shows its first line, its caret at the start, nothing selected
        Named,      // a screen reader calls the control text
        Described,  // a screen reader describes the control as text
        Focus,      // the control has the keyboard focus ("MessageBox" for a box)
        Box,        // a message box titled "Quillory" says text
        NoBox,
        Ended,   // the run is over
        Layout,  // the window is on screen as its reference layout draws it
    };
    Kind kind = Kind::Click;
    std::string target{};
    std::u16string text{};
    std::string line{};  // as tests/data/scenarios.txt writes it, printed where it fails

    [[nodiscard]] std::string window() const { return target.substr(0, target.find('.')); }
    [[nodiscard]] std::string control() const {  // empty where the target names none
        return target.find('.') == std::string::npos ? "" : target.substr(target.find('.') + 1);
    }
};

struct Scenario {
    std::string name;
    std::vector<Step> steps{};
};
inline void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

// The scenarios of tests/data/scenarios.txt, each after its "== " line and a step a line:
// kind, target (no spaces), and text in double quotes with \uXXXX for a UTF-16 unit beyond ASCII.
std::vector<Scenario> parseScenarios(std::string_view text);

}  // namespace quillory::gui
