// Taking the test in its window.
#include <gtest/gtest.h>

#include "scenarios/steps.h"

namespace quillory::scenario {
namespace {

constexpr std::u16string_view right = u"Well done, you got it right!";

void openTest(Driver& d) {
    d.click("Form1", "Command2");
    ASSERT_EQ(windowsOnScreen(d), std::vector<std::string>{"Form3"});
}

void expectVerbAndAnswers(Driver& d, std::u16string_view verb, std::u16string_view pastTense,
                          std::u16string_view participle) {
    EXPECT_EQ(narrow(d.text("Form3", "Label1")), narrow(verb));
    EXPECT_EQ(d.text("Form3", "Text2"), pastTense);
    EXPECT_EQ(d.text("Form3", "Text3"), participle);
}

TEST(TestWindow, OneAnswerFromMenuToMenu) {
    runScenario([](Driver& d) {
        openTest(d);
        EXPECT_EQ(d.windowCaption("Form3"), u"Verb test");
        expectVerbAndAnswers(d, u"arise", u"", u"");
        EXPECT_EQ(d.focus(), (Focus{"Form3", "Text3"})) << "the participle box comes first";

        d.click("Form3", "Text2");
        d.type(u"arose");
        d.click("Form3", "Command1");
        expectMessageAndDismiss(d, right);
        expectVerbAndAnswers(d, u"arise", u"arose", u"");

        d.click("Form3", "Command3");
        expectVerbAndAnswers(d, u"awake", u"", u"");
        d.click("Form3", "Command4");
        EXPECT_EQ(windowsOnScreen(d), std::vector<std::string>{"Form1"});
    });
}

TEST(TestWindow, WrongAnswersKeepWhatWasTyped) {
    runScenario([](Driver& d) {
        openTest(d);
        d.type(u"arose");  // into the participle box, which has the focus
        d.click("Form3", "Command2");
        expectMessageAndDismiss(d, u"Wrong please try again");
        d.click("Form3", "Command1");  // nothing typed as the past tense
        expectMessageAndDismiss(d, u"Wrong, please try again");
        expectVerbAndAnswers(d, u"arise", u"", u"arose");

        d.click("Form3", "Text2");
        d.type(u"Arose ");
        d.click("Form3", "Command1");
        expectMessageAndDismiss(d, u"Wrong, please try again");
        expectVerbAndAnswers(d, u"arise", u"Arose ", u"arose");
    });
}

TEST(TestWindow, TheOpenMessageBoxBlocksTheWindow) {
    runScenario([](Driver& d) {
        openTest(d);
        d.click("Form3", "Command1");
        ASSERT_TRUE(d.messageBox().has_value());
        d.click("Form3", "Command3");  // Next, while the box is up
        d.closeWindow("Form3");
        EXPECT_EQ(windowsOnScreen(d), std::vector<std::string>{"Form3"});
        expectMessageAndDismiss(d, u"Wrong, please try again");
        expectVerbAndAnswers(d, u"arise", u"", u"");
    });
}

// Regression: a click on a window behind the box took the keyboard away from
// the box, so Enter and Escape no longer answered it.
TEST(TestWindow, AClickBehindTheMessageBoxLeavesItTheKeyboard) {
    runScenario([](Driver& d) {
        openTest(d);
        d.click("Form3", "Command1");
        ASSERT_TRUE(d.messageBox().has_value());
        d.click("Form3", "Command3");  // Next, behind the box
        EXPECT_EQ(d.focus().value_or(Focus{}).window, "MessageBox");
        d.press(Key::Enter);
        EXPECT_FALSE(d.messageBox().has_value()) << "Enter did not reach the box";
        expectVerbAndAnswers(d, u"arise", u"", u"");
        EXPECT_EQ(d.focus(), (Focus{"Form3", "Command1"}));

        d.click("Form3", "Command2");
        d.closeWindow("Form3");
        d.click("Form3", "Command4");
        d.press(Key::Escape);
        EXPECT_FALSE(d.messageBox().has_value()) << "Escape did not reach the box";
        EXPECT_EQ(windowsOnScreen(d), std::vector<std::string>{"Form3"});
    });
}

TEST(TestWindow, AccessKeysWorkFromEitherBox) {
    runScenario([](Driver& d) {
        openTest(d);
        d.type(u"arisen");
        d.pressAlt('n');
        expectVerbAndAnswers(d, u"awake", u"", u"");

        d.click("Form3", "Text2");
        d.type(u"awoke");
        d.pressAlt('p');
        expectMessageAndDismiss(d, right);
        d.click("Form3", "Text3");
        d.type(u"awaked");
        d.pressAlt('a');
        expectMessageAndDismiss(d, right);

        d.click("Form3", "Text2");
        d.pressAlt('n');
        expectVerbAndAnswers(d, u"be", u"", u"");
        d.pressAlt('b');
        d.pressAlt('b');
        expectVerbAndAnswers(d, u"arise", u"", u"");
        d.pressAlt('m');
        EXPECT_EQ(windowsOnScreen(d), std::vector<std::string>{"Form1"});
    });
}

TEST(TestWindow, TabGoesFromTheParticipleBoxThroughTheButtons) {
    runScenario([](Driver& d) {
        openTest(d);
        for (const auto* expected :
             {"Text2", "Command1", "Command2", "Command3", "Command4", "Command5", "Text3"}) {
            d.press(Key::Tab);
            EXPECT_EQ(d.focus(), (Focus{"Form3", expected}));
        }
        d.press(Key::ShiftTab);
        EXPECT_EQ(d.focus(), (Focus{"Form3", "Command5"}));
    });
}

TEST(TestWindow, EnterInABoxPressesNothing) {
    runScenario([](Driver& d) {
        openTest(d);
        d.type(u"arisen");
        d.press(Key::Enter);
        EXPECT_FALSE(d.messageBox().has_value());
        expectVerbAndAnswers(d, u"arise", u"", u"arisen");
        EXPECT_EQ(windowsOnScreen(d), std::vector<std::string>{"Form3"});
    });
}

TEST(TestWindow, BackAndNextStopAtEitherEndButEmptyTheBoxes) {
    runScenario([](Driver& d) {
        openTest(d);
        d.type(u"x");
        d.click("Form3", "Command5");
        expectVerbAndAnswers(d, u"arise", u"", u"");
        for (int step = 1; step < 153; ++step) {
            d.click("Form3", "Command3");
        }
        expectVerbAndAnswers(d, u"write", u"", u"");
        d.click("Form3", "Text2");
        d.type(u"wrote");
        d.click("Form3", "Command3");
        expectVerbAndAnswers(d, u"write", u"", u"");
    });
}

TEST(TestWindow, ReopeningStartsAgainAtArise) {
    runScenario([](Driver& d) {
        openTest(d);
        d.click("Form3", "Command3");
        d.click("Form3", "Text2");
        d.type(u"awoke");
        d.closeWindow("Form3");
        openTest(d);
        expectVerbAndAnswers(d, u"arise", u"", u"");
    });
}

TEST(TestWindow, UnicodeAnswersArriveIntactAndAreJudgedExactly) {
    runScenario([](Driver& d) {
        openTest(d);
        const std::u16string typed = u"ar\u00f6se \U0001F600 \u05e9\u05dc\u05d5\u05dd";
        d.click("Form3", "Text2");
        d.type(typed);
        EXPECT_EQ(d.text("Form3", "Text2"), typed);
        d.click("Form3", "Command1");
        expectMessageAndDismiss(d, u"Wrong, please try again");
    });
}

}  // namespace
}  // namespace quillory::scenario
