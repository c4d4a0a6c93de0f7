// Random sequences of a learner's actions, on a real backend, compared after
// every step with what the program's toolkit-free core says it should show.
// The scripted scenarios pin what the handlers do; this finds the orders of
// events nobody scripted. RC_PARAMS sets the seed and the amount (see the
// README); a failure prints the seed and the shortest sequence found.
#include <gtest/gtest.h>
#include <rapidcheck.h>

#include <QProcess>
#include <iostream>

#include "app/program_windows.h"
#include "gui/driver.h"
#include "gui/oracle.h"

namespace quillory::gui {
namespace {

using enum Step::Kind;

rc::Gen<Step> anyStep() {
    using rc::gen::elementOf;
    std::vector<Step> clicks;
    for (const auto& window : makeWindows()) {
        for (const auto& control : window->layout().controls) {
            const auto name =
                std::string(nameOf(window->layout().id)) + "." + std::string(control.name);
            clicks.push_back({Click, name});
        }
        clicks.push_back({CloseBox, std::string(nameOf(window->layout().id))});
    }
    std::vector<Step> others{{Ok}, {Ok}};
    for (const char key : std::string_view("panmb")) {  // the test window's access keys
        others.push_back({AltIn, std::string("Form3.") + key});
    }
    // Answers near the right ones, and letters beyond ASCII and the BMP;
    // typed into the same box again, they add up.
    const auto typed = rc::gen::apply(
        [](bool past, const std::u16string& text) {
            return Step{TypeInto, past ? "Form3.Text2" : "Form3.Text3", text};
        },
        rc::gen::arbitrary<bool>(),
        elementOf(std::vector<std::u16string>{u"arose", u"arisen", u"awoke", u"awaked", u"A", u" ",
                                              u"\u00e9\u00df", u"\u4e2d\U0001F600"}));
    return rc::gen::weightedOneOf<Step>(
        {{8, elementOf(clicks)}, {3, typed}, {4, elementOf(others)}});
}

// What the backend shows after each step: this process's own Qt program, or
// the Windows program under Wine that QUILLORY_STEPS_SERVER names, which
// takes the steps one line each and answers a line for each.
std::vector<std::string> shown(QProcess& wine, const std::vector<Step>& steps) {
    std::vector<std::string> lines;
    if (wine.program().isEmpty()) {
        const auto driver = makeDriver();
        run(*driver, steps, [&lines](Driver& d) { lines.push_back(snapshot(d)); });
        return lines;
    }
    for (const auto& step : steps) {
        wine.write((testing::PrintToString(step) + "\n").c_str());
    }
    wine.write("run\n");
    for (std::string line; line != "done"; line = wine.readLine().trimmed().toStdString()) {
        if (!line.empty()) {
            lines.push_back(line);
        }
        // Only a guard against a hung program, never a measure of speed.
        while (!wine.canReadLine() && !wine.waitForReadyRead(60000)) {
            throw std::runtime_error("the Windows program stopped answering");
        }
    }
    return lines;
}

TEST(RandomSteps, TheProgramShowsWhatItsCoreSaysAfterEveryStep) {
    if (!qEnvironmentVariableIsSet("RC_PARAMS")) {
        GTEST_SKIP() << "runs as ctest's RandomSteps tests, with their seed and amount";
    }
    QProcess wine;
    if (const QString server = qEnvironmentVariable("QUILLORY_STEPS_SERVER"); !server.isEmpty()) {
        wine.start(qEnvironmentVariable("QUILLORY_WINE", QStringLiteral("wine")),
                   {server, QStringLiteral("--serve-steps")});
        ASSERT_TRUE(wine.waitForStarted()) << "cannot start the Windows program under Wine";
    }
    std::size_t stepsRun = 0;
    const bool passed = rc::check([&] {
        const auto steps = *rc::gen::container<std::vector<Step>>(anyStep());
        const auto expected = expectedSnapshots(steps);
        const auto actual = shown(wine, steps);
        stepsRun += steps.size();
        RC_ASSERT(actual.size() == expected.size());
        const auto differ =
            static_cast<std::size_t>(std::ranges::mismatch(actual, expected).in1 - actual.begin());
        if (differ < actual.size()) {
            RC_FAIL("after step " + std::to_string(differ + 1) + ", " +
                    testing::PrintToString(steps[differ]) + ":\n  shown    " + actual[differ] +
                    "\n  expected " + expected[differ]);
        }
    });
    std::cout << stepsRun << " steps\n";
    EXPECT_TRUE(passed);
    wine.closeWriteChannel();
    wine.waitForFinished();
}

}  // namespace
}  // namespace quillory::gui
