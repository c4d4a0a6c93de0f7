// What a learner does and sees, scenario by scenario, on a real backend.
#include <gtest/gtest.h>

#include "core/golden.h"
#include "gui/driver.h"
#include "verb_list_golden.h"

namespace quillory::gui {
namespace {

using enum Step::Kind;

const std::u16string farewell =
    u"Please visit my web site at www.quillory.example for more downloads!";
const std::u16string right = u"Well done, you got it right!";
const std::u16string wrongPastTense = u"Wrong, please try again";
const std::u16string wrongParticiple = u"Wrong please try again";
const std::u16string unicode = u"ar\u00f6se \U0001F600 \u05e9\u05dc\u05d5\u05dd";

std::u16string verbList() {
    std::u16string text;
    for (const auto& line : golden::split(verbListGolden, u"\n")) {
        text += line + u"\r\n";
    }
    return text;
}

struct Scenario {
    const char* name;
    std::vector<Step> steps;
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

// clang-format off
const Scenario scenarios[] = {
    {"MenuOpensFocusedOnVerbListAndTabsInTabOrder", {
        {Windows, "Form1"}, {Running}, {Layout, "Form1"}, {Focus, "Form1.Command1"},
        // Exit stands left of About, but About comes first in the tab order.
        {Press, "Tab"}, {Focus, "Form1.Command2"}, {Press, "Tab"}, {Focus, "Form1.Command3"},
        {Press, "Tab"}, {Focus, "Form1.Command4"}, {Press, "Tab"}, {Focus, "Form1.Command1"},
        {Press, "ShiftTab"}, {Focus, "Form1.Command4"}}},
    {"ExitSaysFarewellThenEnds", {
        {Click, "Form1.Command4"}, {Windows, ""}, {Running}, {Box, "", farewell},
        {Ok}, {NoBox}, {Ended}}},
    {"AboutStaysOpenAfterExitAndEndsTheRunWhenClosed", {
        {Click, "Form1.Command3"}, {Windows, "Form1,Form4"}, {Layout, "Form4"},
        {Click, "Form1.Command3"}, {Windows, "Form1,Form4"},
        {Click, "Form1.Command4"}, {Box, "", farewell}, {Ok},
        {Windows, "Form4"}, {Running}, {CloseBox, "Form4"}, {Windows, ""}, {Ended}}},
    {"ClosingTheMenuEndsTheRunWithoutFarewell", {
        {CloseBox, "Form1"}, {NoBox}, {Windows, ""}, {Ended}}},
    {"ListAndTestReplaceTheMenuAndBringItBack", {
        {Click, "Form1.Command1"}, {Windows, "Form2"}, {Running},
        {Click, "Form2.Command1"}, {Windows, "Form1"}, {Focus, "Form1.Command1"},
        {Click, "Form1.Command2"}, {Windows, "Form3"},
        {Click, "Form3.Command4"}, {Windows, "Form1"}, {Focus, "Form1.Command1"},
        {Click, "Form1.Command1"}, {CloseBox, "Form2"}, {Windows, "Form1"},
        {Click, "Form1.Command2"}, {CloseBox, "Form3"}, {Windows, "Form1"},
        {Focus, "Form1.Command1"}, {Running}}},
    {"AboutStaysBesideWhileTheLearnerMovesAround", {
        {Click, "Form1.Command3"}, {Click, "Form1.Command1"}, {Windows, "Form2,Form4"},
        {Click, "Form2.Command1"}, {Click, "Form1.Command2"}, {Windows, "Form3,Form4"},
        {CloseBox, "Form4"}, {Windows, "Form3"}, {Running}}},
    {"OneAnswerFromMenuToMenu", {
        {Click, "Form1.Command2"}, {Layout, "Form3"}, {Focus, "Form3.Text3"},
        {Click, "Form3.Text2"}, {Type, "", u"arose"}, {Click, "Form3.Command1"},
        {Box, "", right}, {Ok}, {NoBox},
        {Text, "Form3.Text2", u"arose"}, {Text, "Form3.Text3"}, {Text, "Form3.Label1", u"arise"},
        {Click, "Form3.Command3"}, {Text, "Form3.Label1", u"awake"}, {Text, "Form3.Text2"},
        {Named, "Form3.Label1", u"Infinitive: awake"},
        {Click, "Form3.Command4"}, {Windows, "Form1"}}},
    {"WrongAnswersKeepWhatWasTyped", {
        {Click, "Form1.Command2"}, {Type, "", u"arose"},
        {Click, "Form3.Command2"}, {Box, "", wrongParticiple}, {Ok},
        {Click, "Form3.Command1"}, {Box, "", wrongPastTense}, {Ok},
        {Click, "Form3.Text2"}, {Type, "", u"Arose "},
        {Click, "Form3.Command1"}, {Box, "", wrongPastTense}, {Ok},
        {Text, "Form3.Text2", u"Arose "}, {Text, "Form3.Text3", u"arose"},
        {Text, "Form3.Label1", u"arise"}}},
    {"TheOpenBoxBlocksTheWindowAndKeepsTheKeyboard", {
        {Click, "Form1.Command2"}, {Click, "Form3.Command1"},
        {Box, "", wrongPastTense},
        {Click, "Form3.Command3"}, {CloseBox, "Form3"}, {Windows, "Form3"}, {Focus, "MessageBox"},
        {Press, "Enter"}, {NoBox}, {Text, "Form3.Label1", u"arise"}, {Focus, "Form3.Command1"},
        {Click, "Form3.Command2"}, {Click, "Form3.Command4"}, {Press, "Escape"}, {NoBox},
        {Windows, "Form3"}}},
    {"AccessKeysWorkFromEitherBox", {
        {Click, "Form1.Command2"}, {Type, "", u"arisen"}, {Alt, "n"},
        {Text, "Form3.Label1", u"awake"}, {Text, "Form3.Text3"},
        {Click, "Form3.Text2"}, {Type, "", u"awoke"}, {Alt, "p"},
        {Box, "", right}, {Ok},
        {Click, "Form3.Text3"}, {Type, "", u"awaked"}, {Alt, "a"},
        {Box, "", right}, {Ok},
        {Click, "Form3.Text2"}, {Alt, "n"}, {Text, "Form3.Label1", u"be"},
        {Alt, "b"}, {Alt, "b"}, {Text, "Form3.Label1", u"arise"}, {Alt, "m"}, {Windows, "Form1"}}},
    {"TabGoesFromTheParticipleBoxThroughTheButtons", {
        {Click, "Form1.Command2"}, {Focus, "Form3.Text3"},
        {Press, "Tab"}, {Focus, "Form3.Text2"}, {Press, "Tab"}, {Focus, "Form3.Command1"},
        {Press, "Tab"}, {Focus, "Form3.Command2"}, {Press, "Tab"}, {Focus, "Form3.Command3"},
        {Press, "Tab"}, {Focus, "Form3.Command4"}, {Press, "Tab"}, {Focus, "Form3.Command5"},
        {Press, "Tab"}, {Focus, "Form3.Text3"}, {Press, "ShiftTab"}, {Focus, "Form3.Command5"}}},
    {"EnterInABoxPressesNothingAndBackStopsAtTheFirstVerb", {
        {Click, "Form1.Command2"}, {Type, "", u"arisen"}, {Press, "Enter"}, {NoBox},
        {Text, "Form3.Text3", u"arisen"}, {Windows, "Form3"},
        {Click, "Form3.Command5"}, {Text, "Form3.Label1", u"arise"}, {Text, "Form3.Text3"}}},
    {"ReopeningStartsAgainAtArise", {
        {Click, "Form1.Command2"}, {Click, "Form3.Command3"}, {TypeInto, "Form3.Text2", u"awoke"},
        {CloseBox, "Form3"}, {Click, "Form1.Command2"}, {Text, "Form3.Label1", u"arise"},
        {Text, "Form3.Text2"}}},
    {"UnicodeAnswersArriveIntactAndAreJudgedExactly", {
        {Click, "Form1.Command2"}, {Click, "Form3.Text2"}, {Type, "", unicode},
        {Text, "Form3.Text2", unicode},
        {Click, "Form3.Command1"}, {Box, "", wrongPastTense}, {Ok}}},
    {"VerbListShowsTheWholeListFromTheTopAndTakesNoInput", {
        {Click, "Form1.Command1"}, {Layout, "Form2"}, {Focus, "Form2.Text1"},
        {Text, "Form2.Text1", verbList()}, {ListTop, "Form2.Text1"},
        {Press, "CtrlEnd"}, {ListEnd, "Form2.Text1"},
        {Type, "", u"x"}, {EnterText, "", u"stuck"}, {Click, "Form2.Text1"}, {EnterText, "", u"\u00e9"},
        {Text, "Form2.Text1", verbList()},
        {Click, "Form2.Command1"}, {Click, "Form1.Command1"}, {ListTop, "Form2.Text1"}}},
};
// clang-format on

class Scenarios : public testing::TestWithParam<Scenario> {};

TEST_P(Scenarios, Run) {
    const auto driver = makeDriver();
    run(*driver, GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Learner, Scenarios, testing::ValuesIn(scenarios),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quillory::gui
