// The reference model against the program's known edge cases, so that the
// oracle of the random-action test is itself checked.
#include <gtest/gtest.h>

#include "reliability/model.h"

namespace quillory::reliability {
namespace {

Action click(Form form, std::string control) {
    Action action;
    action.kind = Action::Kind::Click;
    action.window = form;
    action.control = std::move(control);
    return action;
}

Action closeBox(Form form) {
    Action action;
    action.kind = Action::Kind::CloseBox;
    action.window = form;
    return action;
}

Action key(KeyPress press) {
    Action action;
    action.kind = Action::Kind::Key;
    action.key = press;
    return action;
}

Action type(std::u16string text) {
    Action action;
    action.kind = Action::Kind::Type;
    action.text = std::move(text);
    return action;
}

Action dismiss() {
    Action action;
    action.kind = Action::Kind::Dismiss;
    return action;
}

using Names = std::vector<std::string>;

TEST(Model, ExitWithAboutOpenEndsOnlyWhenAboutCloses) {
    Model model;
    model.apply(click(Form::Form1, "Command3"));
    model.apply(click(Form::Form1, "Command4"));
    EXPECT_EQ(model.messageBox(), std::u16string(farewellMessage));
    EXPECT_EQ(model.loadedNames(), Names{"Form4"});
    model.apply(closeBox(Form::Form4));  // blocked by the box
    EXPECT_EQ(model.loadedNames(), Names{"Form4"});
    model.apply(dismiss());
    EXPECT_FALSE(model.ended());
    model.apply(closeBox(Form::Form4));
    EXPECT_TRUE(model.ended());
    EXPECT_TRUE(model.allows(Action{}));  // only looking is left
    EXPECT_FALSE(model.allows(click(Form::Form1, "Command1")));
}

TEST(Model, ExitAloneEndsAfterTheFarewell) {
    Model model;
    model.apply(click(Form::Form1, "Command4"));
    EXPECT_FALSE(model.ended()) << "a message box keeps the run going";
    model.apply(key(KeyPress::Enter));
    EXPECT_TRUE(model.ended());
}

TEST(Model, ClosingTheTestBringsBackTheMenuFocusedOnVerbList) {
    Model model;
    model.apply(click(Form::Form1, "Command2"));
    EXPECT_EQ(model.loadedNames(), Names{"Form3"});
    EXPECT_EQ(model.focus().control, "Text3");
    model.apply(closeBox(Form::Form3));
    EXPECT_EQ(model.loadedNames(), Names{"Form1"});
    EXPECT_EQ(model.focus().control, "Command1");
}

TEST(Model, ChecksJudgeExactlyAndNextEmptiesBothBoxes) {
    Model model;
    model.apply(click(Form::Form1, "Command2"));
    model.apply(click(Form::Form3, "Text2"));
    model.apply(type(u"Arose"));
    model.apply(click(Form::Form3, "Command1"));
    EXPECT_EQ(model.messageBox(), std::u16string(wrongPastTenseMessage));
    model.apply(dismiss());
    model.apply(key(KeyPress::ShiftTab));  // back into Text2, selecting it all
    model.apply(type(u"arose"));
    EXPECT_EQ(model.pastTense().text, u"arose");
    model.apply(click(Form::Form3, "Command1"));
    EXPECT_EQ(model.messageBox(), std::u16string(rightMessage));
    model.apply(dismiss());
    model.apply(click(Form::Form3, "Command2"));
    EXPECT_EQ(model.messageBox(), std::u16string(wrongParticipleMessage)) << "an empty answer";
    model.apply(dismiss());
    model.apply(click(Form::Form3, "Command3"));
    EXPECT_EQ(model.shownVerb(), u"awake");
    EXPECT_EQ(model.pastTense().text, u"");
}

TEST(Model, NextStopsAtWriteAndBackAtArise) {
    Model model;
    model.apply(click(Form::Form1, "Command2"));
    Action next = click(Form::Form3, "Command3");
    next.times = 200;
    model.apply(next);
    EXPECT_EQ(model.shownVerb(), u"write");
    Action back = click(Form::Form3, "Command5");
    back.times = 200;
    model.apply(back);
    EXPECT_EQ(model.shownVerb(), u"arise");
}

TEST(Model, ClosingTheActiveAboutLeavesTheFocusToTheWindowManager) {
    Model model;
    model.apply(click(Form::Form1, "Command3"));
    EXPECT_EQ(model.focus().kind, FocusExpectation::Kind::None);
    model.apply(closeBox(Form::Form4));
    EXPECT_EQ(model.focus().kind, FocusExpectation::Kind::Unknown);
    EXPECT_FALSE(model.allows(key(KeyPress::Tab)));
    model.apply(click(Form::Form1, "Label1"));
    EXPECT_EQ(model.focus().control, "Command3");
}

}  // namespace
}  // namespace quillory::reliability
