#include <gtest/gtest.h>

#include "scenarios/driver.h"

namespace quillory::scenario {
namespace {

TEST(Win32Smoke, MenuOpensTheTestAndExitEndsTheRun) {
    runScenario([](Driver& d) {
        EXPECT_EQ(d.openWindows(), std::vector<std::string>{"Form1"});
        EXPECT_EQ(d.windowCaption("Form1"), u"Quillory 1.0");
        EXPECT_EQ(d.focus(), (Focus{"Form1", "Command1"}));
        d.click("Form1", "Command2");
        EXPECT_EQ(d.openWindows(), std::vector<std::string>{"Form3"});
        EXPECT_EQ(d.focus(), (Focus{"Form3", "Text3"}));
        d.type(u"gone");
        EXPECT_EQ(d.text("Form3", "Text3"), u"gone");
        d.press(Key::Tab);
        EXPECT_EQ(d.focus(), (Focus{"Form3", "Text2"}));
        d.press(Key::ShiftTab);
        EXPECT_EQ(d.focus(), (Focus{"Form3", "Text3"}));
        d.pressAlt('n');
        EXPECT_EQ(d.focus(), (Focus{"Form3", "Command3"}));
        EXPECT_EQ(d.text("Form3", "Text3"), u"");
        d.pressAlt('m');
        EXPECT_EQ(d.openWindows(), std::vector<std::string>{"Form1"});
        d.click("Form1", "Command4");
        EXPECT_TRUE(d.openWindows().empty());
        EXPECT_EQ(d.messageBoxTitle(), u"Quillory");
        EXPECT_FALSE(d.runEnded());
        d.dismissMessageBox();
        EXPECT_EQ(d.messageBox(), std::nullopt);
        EXPECT_TRUE(d.runEnded());
    });
}

}  // namespace
}  // namespace quillory::scenario
