// Reading the verb list.
#include <gtest/gtest.h>

#include "crlf_lines.h"
#include "scenarios/steps.h"

namespace quillory::scenario {
namespace {

std::vector<std::u16string> linesOf(const std::u16string& text) { return crlfLines(text); }

bool hasLine(const std::vector<std::u16string>& lines, const std::u16string& line) {
    return std::ranges::find(lines, line) != lines.end();
}

TEST(VerbList, ShowsTheWholeListFromTheTop) {
    runScenario([](Driver& d) {
        d.click("Form1", "Command1");
        EXPECT_EQ(d.windowCaption("Form2"), u"Irregular verb list");
        EXPECT_EQ(d.focus(), (Focus{"Form2", "Text1"}));
        const auto lines = linesOf(d.text("Form2", "Text1"));
        EXPECT_EQ(lines.size(), 177U);
        EXPECT_EQ(lines.front(), u"IRREGULAR VERBS");
        EXPECT_EQ(lines.back(), u"write\t\t\twrote\t\t\t\twritten");
        EXPECT_TRUE(hasLine(lines, u"bid\t\t\tbade, bid\t\t\t\tbidden, bid"));
        EXPECT_TRUE(hasLine(lines, u"understand\t\tunderstood\t\t\tunderstood"));
        EXPECT_TRUE(hasLine(lines, u"dream\t\t\tdreamed, dreamt\t\t\tdreamed, dreamt"));
        EXPECT_TRUE(hasLine(lines, u"stride\t\t\tstrode\t\t\t\tstridden"));
        EXPECT_TRUE(hasLine(lines, u"be\t\t\twas/were\t\t\t\tbeen"));
    });
}

TEST(VerbList, ScrollsToItsLastLineAndOpensAtTheTopAgain) {
    runScenario([](Driver& d) {
        d.click("Form1", "Command1");
        const auto atOpening = d.visibleLines("Form2", "Text1");
        EXPECT_EQ(atOpening.first, 0);
        EXPECT_LT(atOpening.last, 176) << "the whole list fits its box, so nothing scrolls";
        d.press(Key::CtrlEnd);
        const auto atEnd = d.visibleLines("Form2", "Text1");
        EXPECT_GT(atEnd.first, 0);
        EXPECT_GE(atEnd.last, 176) << "the last verb cannot be scrolled into view";
        d.type(u"x");  // the list is reference text, not for editing
        EXPECT_EQ(linesOf(d.text("Form2", "Text1")).size(), 177U);
        d.click("Form2", "Command1");
        d.click("Form1", "Command1");
        EXPECT_EQ(d.visibleLines("Form2", "Text1").first, 0);
    });
}

// Regression: the read-only list took the text an input method committed
// (as IBus does for a composed letter), though typed keys changed nothing.
TEST(VerbList, TakesNoTextFromAnInputMethod) {
    runScenario([](Driver& d) {
        d.click("Form1", "Command1");
        const auto before = d.text("Form2", "Text1");
        d.enterText(u"stuck");
        EXPECT_EQ(d.text("Form2", "Text1"), before) << "the list is reference text";
        d.click("Form2", "Text1");
        d.enterText(u"\u00e9");
        EXPECT_EQ(d.text("Form2", "Text1"), before);
    });
}

}  // namespace
}  // namespace quillory::scenario
