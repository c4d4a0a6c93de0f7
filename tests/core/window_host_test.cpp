// The host's rules of loading, unloading and ending the run, as the calls it
// makes on a toolkit for each click or close box.
#include "host/window_host.h"

#include <gtest/gtest.h>

#include <stdexcept>

#include "app/program_windows.h"
#include "core/fake_toolkit.h"

namespace quillory {
namespace {

using enum WindowId;

struct Event {
    WindowId window;
    std::string_view control;  // empty: the close box
};

struct Row {
    std::string_view what;
    std::vector<Event> events;
    std::vector<std::string> calls;  // after start-up's "build Form1", "present Form1"
};

// clang-format off
const Row rows[] = {
    {"Verb list unloads the menu first", {{Form1, "Command1"}},
     {"destroy Form1", "build Form2", "present Form2"}},
    {"Test unloads the menu first", {{Form1, "Command2"}},
     {"destroy Form1", "build Form3", "present Form3"}},
    {"Back to menu: the unload handler shows the menu, then the button finds it shown",
     {{Form1, "Command1"}, {Form2, "Command1"}},
     {"destroy Form1", "build Form2", "present Form2",
      "build Form1", "present Form1", "destroy Form2", "activate Form1"}},
    {"the test's close box brings back the menu before the test goes",
     {{Form1, "Command2"}, {Form3, ""}},
     {"destroy Form1", "build Form3", "present Form3", "build Form1", "present Form1", "destroy Form3"}},
    {"Back to main menu", {{Form1, "Command2"}, {Form3, "Command4"}},
     {"destroy Form1", "build Form3", "present Form3",
      "build Form1", "present Form1", "destroy Form3", "activate Form1"}},
    {"the list's close box", {{Form1, "Command1"}, {Form2, ""}},
     {"destroy Form1", "build Form2", "present Form2", "build Form1", "present Form1", "destroy Form2"}},
    {"Exit ends the run once the farewell is dismissed", {{Form1, "Command4"}},
     {"destroy Form1", "message box", "end run"}},
    {"About twice makes one window", {{Form1, "Command3"}, {Form1, "Command3"}},
     {"build Form4", "present Form4", "activate Form4"}},
    {"About keeps the run going after Exit until it is closed",
     {{Form1, "Command3"}, {Form1, "Command4"}, {Form4, ""}},
     {"build Form4", "present Form4", "destroy Form1", "message box", "destroy Form4", "end run"}},
    {"the menu's close box ends the run silently", {{Form1, ""}}, {"destroy Form1", "end run"}},
    {"a click or close on a window that is not loaded does nothing",
     {{Form3, "Command3"}, {Form2, ""}, {Form4, ""}}, {}},
    {"nothing happens after the end", {{Form1, ""}, {Form1, "Command2"}},
     {"destroy Form1", "end run"}},
};
// clang-format on

TEST(WindowHost, CallsTheToolkitInTheOrderOfTheRules) {
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        FakeToolkit toolkit;
        WindowHost host(toolkit, makeWindows());
        host.start(Form1);
        EXPECT_EQ(toolkit.log, (std::vector<std::string>{"build Form1", "present Form1"}));
        toolkit.log.clear();
        for (const auto& event : row.events) {
            if (event.control.empty()) {
                host.closeBox(event.window);
            } else {
                host.click(event.window, event.control);
            }
        }
        EXPECT_EQ(toolkit.log, row.calls);
        EXPECT_EQ(host.runEnded(), !row.calls.empty() && row.calls.back() == "end run");
    }
}

TEST(WindowHost, RefusesControlsAWindowDoesNotHaveOrWindowsNotLoaded) {
    FakeToolkit toolkit;
    WindowHost host(toolkit, makeWindows());
    host.start(Form1);
    EXPECT_THROW((void)host.text(Form1, "Command9"), std::logic_error);
    EXPECT_THROW(host.setText(Form2, "Text1", u"x"), std::logic_error);
}

}  // namespace
}  // namespace quillory
