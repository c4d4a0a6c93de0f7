// The host's rules, with a toolkit that only writes down what it is asked: opening and
// unloading windows, the end of the run, clicks that come too late, operations that fail.
#include "host/window_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

namespace quillory {
namespace {

struct Stopped {};  // the program stopped: nothing after it runs

std::string named(WindowId id) { return std::string(nameOf(id)); }
WindowId idOf(const std::string& name) { return *std::ranges::find(allWindows, name, nameOf); }

struct Case {
    std::string name;
    std::string go;            // what Go does in every window
    std::string then;          // what the learner does after pressing Form1's Go
    std::string whileBoxOpen;  // and while a box is open
    std::string expected;      // what follows the press
};
void PrintTo(const Case& c, std::ostream* out) { *out << c.name; }

// A heading, then a button.
constexpr std::array<ControlLayout, 2> headingAndButton{{
    {.name = "Heading"},
    {.name = "Go", .kind = ControlKind::Button, .tabIndex = 1},
}};
constexpr std::array<WindowLayout, 2> layouts{{
    {.id = WindowId::Form1, .controls = headingAndButton},
    {.id = WindowId::Form2, .controls = headingAndButton},
}};

// The toolkit writes down what it is asked, and runs what the learner does through the
// handlers of the window last built.
struct Rules : testing::TestWithParam<Case>, Toolkit {
    // Writes down its handlers' calls. Its Go button runs the case's script, then returns.
    struct ScriptedWindow final : Window {
        ScriptedWindow(const WindowLayout& layout, Rules& test) : Window(layout), test_(test) {}
        void onLoad(Host&) override { test_.note("onLoad " + named(layout().id)); }
        void onUnload(Host&) override { test_.note("onUnload " + named(layout().id)); }
        void onClick(Host&, std::string_view button) override {
            test_.note("click " + named(layout().id) + "." + std::string(button));
            test_.run(GetParam().go);
            test_.note("returned");
        }
        Rules& test_;
    };

    void build(const WindowLayout& layout, ButtonHandler onButton, CloseHandler onClose) override {
        note("build " + named(layout.id));
        handlers_.at(indexOf(layout.id)) = {std::move(onButton), std::move(onClose)};
    }
    void show(WindowId id) override { note("show " + named(id)); }
    void activate(WindowId id) override { note("activate " + named(id)); }
    void focus(WindowId id, const ControlLayout& control) override {
        note("focus " + named(id) + "." + std::string(control.name));
    }
    void destroy(WindowId id) override { note("destroy " + named(id)); }
    std::u16string text(WindowId, const ControlLayout&) override { return {}; }
    void setText(WindowId, const ControlLayout&, std::u16string_view) override {}
    void announceNameChange(WindowId, const ControlLayout&, std::u16string_view) override {}
    void describe(WindowId, const ControlLayout&, std::u16string_view) override {}
    void messageBox(std::u16string_view) override {
        note("box");
        run(GetParam().whileBoxOpen);  // the box's own loop runs the learner's input
    }
    void endRun() override { note("endRun"); }
    [[noreturn]] void stopProgram(const std::string& reason) override {
        note("stop: " + reason);
        throw Stopped{};
    }

    // Adds to what was asked and done, in order: "build Form1, onLoad Form1, ...".
    void note(const std::string& entry) { logged_ += (logged_.empty() ? "" : ", ") + entry; }
    // Runs a script of what the learner does, "press Form1" (its Go button) or "close
    // Form1", where a window gone may still deliver a click, and of what a handler asks
    // of the host: "show Form2", "unload Form1", "setText Form2" or "box".
    void run(const std::string& script) {
        std::istringstream words(script);
        for (std::string verb, window; words >> verb;) {
            if (verb == "box") {
                host_.messageBox(u"Hello");
            } else if (words >> window; verb == "show") {
                host_.show(idOf(window));
            } else if (verb == "unload") {
                host_.unload(idOf(window));
            } else if (verb == "setText") {
                host_.setText(idOf(window), "Go", u"Hello");
            } else {
                auto& [press, close] = handlers_.at(indexOf(idOf(window)));
                verb == "press" ? press("Go") : close();
            }
        }
    }

    std::string logged_;
    std::array<std::pair<ButtonHandler, CloseHandler>, allWindows.size()> handlers_;
    // In no particular order, and without Form3: the host finds each by its id.
    WindowHost host_{*this,
                     {nullptr, std::make_unique<ScriptedWindow>(layouts[1], *this),
                      std::make_unique<ScriptedWindow>(layouts[0], *this)}};
};

TEST_P(Rules, Hold) {
    host_.start(WindowId::Form1);
    EXPECT_EQ(logged_, "build Form1, onLoad Form1, show Form1, activate Form1, focus Form1.Go");
    logged_.clear();
    try {
        run("press Form1 " + GetParam().then);
    } catch (const Stopped&) {
        note("stopped");
    }
    EXPECT_EQ(logged_, "click Form1.Go, " + GetParam().expected);
    EXPECT_EQ(host_.runEnded(), logged_.ends_with("endRun"));
}

const std::string opensForm2 =
    "build Form2, onLoad Form2, show Form2, activate Form2, focus Form2.Go";
const std::string unloadsForm1 = "onUnload Form1, destroy Form1";

INSTANTIATE_TEST_SUITE_P(
    WindowHost, Rules,
    testing::Values(Case{"ABoxAfterTheLastUnloadEndsTheRunOnlyOnceTheHandlerReturns",
                         "unload Form1 box", "", "", unloadsForm1 + ", box, returned, endRun"},
                    Case{"ClosingTheLastWindowDuringABoxEndsTheRunOnlyOnceTheHandlerReturns", "box",
                         "", "close Form1", "box, " + unloadsForm1 + ", returned, endRun"},
                    Case{"ClosingOneOfTwoWindowsGoesOn", "show Form2", "close Form1", "",
                         opensForm2 + ", returned, " + unloadsForm1},
                    Case{"UnloadingTheLastWindowEndsTheRunOnceTheHandlerReturnsAndOnlyOnce",
                         "unload Form1", "close Form1", "", unloadsForm1 + ", returned, endRun"},
                    Case{"AClickThatRacedTheUnloadingIsIgnored", "show Form2 unload Form1",
                         "press Form1", "", opensForm2 + ", " + unloadsForm1 + ", returned"},
                    Case{"ALoadedWindowShownAgainIsOnlyActivated", "show Form1", "", "",
                         "activate Form1, returned"},
                    Case{"AFailingOperationStopsTheProgramSayingWhy", "setText Form2", "", "",
                         "stop: Quillory has stopped: Form2 has no loaded control Go, stopped"},
                    Case{"AWindowTheProgramLacksStopsIt", "show Form3", "", "",
                         "stop: Quillory has stopped: no window Form3, stopped"}),
    [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace quillory
