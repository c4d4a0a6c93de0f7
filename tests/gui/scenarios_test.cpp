// What a learner does and sees, scenario by scenario, on a real backend.
#include <gtest/gtest.h>

#include "core/golden.h"
#include "gui/driver.h"
#include "verb_list_golden.h"

namespace quillory::gui {
namespace {

using namespace steps;
using Steps = std::vector<Step>;

constexpr std::u16string_view farewell =
    u"Please visit my web site at www.quillory.example for more downloads!";
constexpr std::u16string_view right = u"Well done, you got it right!";
constexpr std::u16string_view wrongPastTense = u"Wrong, please try again";
constexpr std::u16string_view wrongParticiple = u"Wrong please try again";

std::u16string verbList() {
    std::u16string text;
    for (const auto& line : golden::split(verbListGolden, u"\n")) {
        text += line + u"\r\n";
    }
    return text;
}

Step verb(std::u16string_view shown) { return text("Form3.Label1", shown); }

struct Scenario {
    const char* name;
    Steps steps;
};

// clang-format off
const Scenario scenarios[] = {
    {"MenuOpensFocusedOnVerbListAndTabsInTabOrder", {
        windows({"Form1"}), running(), layout("Form1"), focus("Form1.Command1"),
        // Exit stands left of About, but About comes first in the tab order.
        press(Key::Tab), focus("Form1.Command2"), press(Key::Tab), focus("Form1.Command3"),
        press(Key::Tab), focus("Form1.Command4"), press(Key::Tab), focus("Form1.Command1"),
        press(Key::ShiftTab), focus("Form1.Command4")}},
    {"ExitSaysFarewellThenEnds", {
        click("Form1.Command4"), windows({}), running(), box(farewell), ok(), noBox(), ended()}},
    {"AboutStaysOpenAfterExitAndEndsTheRunWhenClosed", {
        click("Form1.Command3"), windows({"Form1", "Form4"}), layout("Form4"),
        click("Form1.Command3"), windows({"Form1", "Form4"}),
        click("Form1.Command4"), box(farewell), ok(), windows({"Form4"}), running(),
        closeBox("Form4"), windows({}), ended()}},
    {"ClosingTheMenuEndsTheRunWithoutFarewell", {
        closeBox("Form1"), noBox(), windows({}), ended()}},
    {"ListAndTestReplaceTheMenuAndBringItBack", {
        click("Form1.Command1"), windows({"Form2"}), running(),
        click("Form2.Command1"), windows({"Form1"}), focus("Form1.Command1"),
        click("Form1.Command2"), windows({"Form3"}),
        click("Form3.Command4"), windows({"Form1"}), focus("Form1.Command1"),
        click("Form1.Command1"), closeBox("Form2"), windows({"Form1"}),
        click("Form1.Command2"), closeBox("Form3"), windows({"Form1"}), focus("Form1.Command1"),
        running()}},
    {"AboutStaysBesideWhileTheLearnerMovesAround", {
        click("Form1.Command3"), click("Form1.Command1"), windows({"Form2", "Form4"}),
        click("Form2.Command1"), click("Form1.Command2"), windows({"Form3", "Form4"}),
        closeBox("Form4"), windows({"Form3"}), running()}},
    {"OneAnswerFromMenuToMenu", {
        click("Form1.Command2"), layout("Form3"), verb(u"arise"), focus("Form3.Text3"),
        click("Form3.Text2"), type(u"arose"), click("Form3.Command1"), box(right), ok(), noBox(),
        text("Form3.Text2", u"arose"), text("Form3.Text3", u""), verb(u"arise"),
        click("Form3.Command3"), verb(u"awake"), text("Form3.Text2", u""),
        named("Form3.Label1", u"Infinitive: awake"), click("Form3.Command4"), windows({"Form1"})}},
    {"WrongAnswersKeepWhatWasTyped", {
        click("Form1.Command2"), type(u"arose"), click("Form3.Command2"), box(wrongParticiple), ok(),
        click("Form3.Command1"), box(wrongPastTense), ok(),
        click("Form3.Text2"), type(u"Arose "), click("Form3.Command1"), box(wrongPastTense), ok(),
        text("Form3.Text2", u"Arose "), text("Form3.Text3", u"arose"), verb(u"arise")}},
    {"TheOpenBoxBlocksTheWindowAndKeepsTheKeyboard", {
        click("Form1.Command2"), click("Form3.Command1"), box(wrongPastTense),
        click("Form3.Command3"), closeBox("Form3"), windows({"Form3"}), focus("MessageBox"),
        press(Key::Enter), noBox(), verb(u"arise"), focus("Form3.Command1"),
        click("Form3.Command2"), click("Form3.Command4"), press(Key::Escape), noBox(),
        windows({"Form3"})}},
    {"AccessKeysWorkFromEitherBox", {
        click("Form1.Command2"), type(u"arisen"), alt('n'), verb(u"awake"), text("Form3.Text3", u""),
        click("Form3.Text2"), type(u"awoke"), alt('p'), box(right), ok(),
        click("Form3.Text3"), type(u"awaked"), alt('a'), box(right), ok(),
        click("Form3.Text2"), alt('n'), verb(u"be"), alt('b'), alt('b'), verb(u"arise"),
        alt('m'), windows({"Form1"})}},
    {"TabGoesFromTheParticipleBoxThroughTheButtons", {
        click("Form1.Command2"), focus("Form3.Text3"),
        press(Key::Tab), focus("Form3.Text2"), press(Key::Tab), focus("Form3.Command1"),
        press(Key::Tab), focus("Form3.Command2"), press(Key::Tab), focus("Form3.Command3"),
        press(Key::Tab), focus("Form3.Command4"), press(Key::Tab), focus("Form3.Command5"),
        press(Key::Tab), focus("Form3.Text3"), press(Key::ShiftTab), focus("Form3.Command5")}},
    {"EnterInABoxPressesNothingAndBackStopsAtTheFirstVerb", {
        click("Form1.Command2"), type(u"arisen"), press(Key::Enter), noBox(),
        text("Form3.Text3", u"arisen"), windows({"Form3"}),
        click("Form3.Command5"), verb(u"arise"), text("Form3.Text3", u"")}},
    {"ReopeningStartsAgainAtArise", {
        click("Form1.Command2"), click("Form3.Command3"), typeInto("Form3.Text2", u"awoke"),
        closeBox("Form3"), click("Form1.Command2"), verb(u"arise"), text("Form3.Text2", u"")}},
    {"UnicodeAnswersArriveIntactAndAreJudgedExactly", {
        click("Form1.Command2"), click("Form3.Text2"),
        type(u"ar\u00f6se \U0001F600 \u05e9\u05dc\u05d5\u05dd"),
        text("Form3.Text2", u"ar\u00f6se \U0001F600 \u05e9\u05dc\u05d5\u05dd"),
        click("Form3.Command1"), box(wrongPastTense), ok()}},
    {"VerbListShowsTheWholeListFromTheTopAndTakesNoInput", {
        click("Form1.Command1"), layout("Form2"), focus("Form2.Text1"),
        text("Form2.Text1", verbList()), listView("Form2.Text1", false),
        press(Key::CtrlEnd), listView("Form2.Text1", true),
        type(u"x"), enterText(u"stuck"), click("Form2.Text1"), enterText(u"\u00e9"),
        text("Form2.Text1", verbList()),
        click("Form2.Command1"), click("Form1.Command1"), listView("Form2.Text1", false)}},
};
// clang-format on

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

class Scenarios : public testing::TestWithParam<Scenario> {};

TEST_P(Scenarios, Run) {
    const auto driver = makeDriver();
    run(*driver, GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Learner, Scenarios, testing::ValuesIn(scenarios),
                         [](const auto& test) { return std::string(test.param.name); });

}  // namespace
}  // namespace quillory::gui
