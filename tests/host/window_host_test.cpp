#include "host/window_host.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>

#include "app/windows.h"
#include "fake_toolkit.h"
#include "screens/main_menu.h"
#include "screens/verb_list_text.h"

namespace quillory {
namespace {

using Log = std::vector<std::string>;

class Navigation : public ::testing::Test {
protected:
    Navigation() { host.start(WindowId::Form1); }

    [[nodiscard]] std::vector<WindowId> loaded() const {
        std::vector<WindowId> result;
        std::ranges::copy_if(allWindows, std::back_inserter(result),
                             [this](WindowId id) { return host.isLoaded(id); });
        return result;
    }
    void clearLog() { toolkit.log.clear(); }
    std::u16string& text(WindowId id, std::string_view control) {
        return toolkit.texts.at(FakeToolkit::key(id, control));
    }

    FakeToolkit toolkit;
    WindowHost host{toolkit, makeWindows()};
};

TEST_F(Navigation, StartsWithTheMenuBuiltAndPresented) {
    EXPECT_EQ(toolkit.log, (Log{"build Form1", "present Form1"}));
    EXPECT_EQ(loaded(), std::vector{WindowId::Form1});
    EXPECT_FALSE(host.runEnded());
}

TEST_F(Navigation, MenuButtonsUnloadTheMenuFirstAndDoNotEndTheRun) {
    clearLog();
    host.click(WindowId::Form1, "Command1");
    EXPECT_EQ(toolkit.log, (Log{"destroy Form1", "build Form2", "present Form2"}));
    EXPECT_EQ(loaded(), std::vector{WindowId::Form2});
    host.click(WindowId::Form2, "Command1");  // Back to menu
    EXPECT_EQ(loaded(), std::vector{WindowId::Form1});
    host.click(WindowId::Form1, "Command2");
    EXPECT_EQ(loaded(), std::vector{WindowId::Form3});
    EXPECT_FALSE(host.runEnded());
}

TEST_F(Navigation, UnloadHandlersShowTheMenuBeforeTheWindowGoes) {
    host.click(WindowId::Form1, "Command2");
    clearLog();
    host.closeBox(WindowId::Form3);
    EXPECT_EQ(toolkit.log, (Log{"build Form1", "present Form1", "destroy Form3"}));
    host.click(WindowId::Form1, "Command1");
    clearLog();
    host.click(WindowId::Form2, "Command1");
    // The second show finds the menu already loaded and only activates it.
    EXPECT_EQ(toolkit.log,
              (Log{"build Form1", "present Form1", "destroy Form2", "activate Form1"}));
    EXPECT_FALSE(host.runEnded());
}

TEST_F(Navigation, ExitEndsTheRunOnlyAfterTheFarewellIsDismissed) {
    bool endedWhileBoxOpen = true;
    toolkit.whileMessageBoxIsOpen = [&] {
        EXPECT_TRUE(loaded().empty());
        endedWhileBoxOpen = host.runEnded();
    };
    host.click(WindowId::Form1, "Command4");
    EXPECT_FALSE(endedWhileBoxOpen);
    EXPECT_EQ(toolkit.messages, std::vector{farewellMessage()});
    EXPECT_TRUE(host.runEnded());
    EXPECT_EQ(toolkit.log.back(), "end run");
    EXPECT_EQ(std::ranges::count(toolkit.log, "end run"), 1);
}

TEST_F(Navigation, AboutKeepsTheRunGoingUntilItIsClosed) {
    host.click(WindowId::Form1, "Command3");
    host.click(WindowId::Form1, "Command3");
    EXPECT_EQ(std::ranges::count(toolkit.log, "build Form4"), 1);
    host.click(WindowId::Form1, "Command4");
    EXPECT_EQ(loaded(), std::vector{WindowId::Form4});
    EXPECT_FALSE(host.runEnded());
    host.closeBox(WindowId::Form4);
    EXPECT_TRUE(host.runEnded());
}

TEST_F(Navigation, ClosingTheMenuEndsTheRunSilently) {
    host.closeBox(WindowId::Form1);
    EXPECT_TRUE(toolkit.messages.empty());
    EXPECT_TRUE(host.runEnded());
}

TEST_F(Navigation, ClicksOnUnloadedWindowsAreIgnored) {
    host.click(WindowId::Form3, "Command3");
    EXPECT_EQ(toolkit.log, (Log{"build Form1", "present Form1"}));
}

TEST_F(Navigation, UnknownControlsFailLoudly) {
    EXPECT_THROW((void)host.text(WindowId::Form1, "Command9"), std::logic_error);
    EXPECT_THROW(host.setText(WindowId::Form2, "Text1", u"x"), std::logic_error);  // not loaded
}

TEST_F(Navigation, VerbListHoldsTheWholeListEveryTimeItOpens) {
    for (int opening = 0; opening < 2; ++opening) {
        host.click(WindowId::Form1, "Command1");
        EXPECT_EQ(text(WindowId::Form2, "Text1"), verbListText()) << "opening " << opening;
        host.click(WindowId::Form2, "Command1");
    }
}

TEST_F(Navigation, TestWindowRunsTheTestThroughItsControls) {
    host.click(WindowId::Form1, "Command2");
    EXPECT_EQ(text(WindowId::Form3, "Label1"), u"arise");
    text(WindowId::Form3, "Text2") = u"arose";
    text(WindowId::Form3, "Text3") = u"arose";
    host.click(WindowId::Form3, "Command1");
    host.click(WindowId::Form3, "Command2");
    EXPECT_EQ(toolkit.messages, (std::vector<std::u16string>{u"Well done, you got it right!",
                                                             u"Wrong please try again"}));
    EXPECT_EQ(text(WindowId::Form3, "Text2"), u"arose") << "a check keeps the answers";
    host.click(WindowId::Form3, "Command3");
    EXPECT_EQ(text(WindowId::Form3, "Label1"), u"awake");
    EXPECT_EQ(text(WindowId::Form3, "Text2"), u"");
    EXPECT_EQ(text(WindowId::Form3, "Text3"), u"");
    host.click(WindowId::Form3, "Command5");
    host.click(WindowId::Form3, "Command5");
    EXPECT_EQ(text(WindowId::Form3, "Label1"), u"arise");
    host.click(WindowId::Form3, "Command4");
    EXPECT_EQ(loaded(), std::vector{WindowId::Form1});
}

}  // namespace
}  // namespace quillory
