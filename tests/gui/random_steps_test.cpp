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

// Every control of every window, as "Form3.Command1".
std::vector<std::string> controls() {
    std::vector<std::string> names;
    for (const auto& window : makeWindows()) {
        for (const auto& control : window->layout().controls) {
            names.push_back(std::string(nameOf(window->layout().id)) + "." +
                            std::string(control.name));
        }
    }
    return names;
}

// Answers near the right ones, and letters beyond ASCII and the BMP.
rc::Gen<std::u16string> answer() {
    static const std::vector<std::u16string> pieces{
        u"arose", u"arisen", u"awoke", u"awaked", u"was",    u"been",   u"a",
        u"e",     u"A",      u" ",     u"\u00e9", u"\u00df", u"\u4e2d", u"\U0001F600"};
    return rc::gen::map(rc::gen::container<std::vector<std::u16string>>(rc::gen::elementOf(pieces)),
                        [](const std::vector<std::u16string>& parts) {
                            std::u16string text;
                            for (const auto& part : parts) {
                                text += part;
                            }
                            return text;
                        });
}

rc::Gen<Step> anyStep() {
    using namespace rc;
    using enum Step::Kind;
    static const auto targets = controls();
    const auto step = [](Step::Kind kind) {
        return [kind](const std::string& target) { return Step{kind, target}; };
    };
    return gen::weightedOneOf<Step>({
        {8, gen::map(gen::elementOf(targets), step(Click))},
        {3, gen::apply(
                [](bool past, const std::u16string& text) {
                    return Step{TypeInto, past ? "Form3.Text2" : "Form3.Text3", text};
                },
                gen::arbitrary<bool>(), answer())},
        {2, gen::map(gen::elementOf(std::vector<std::string>{"Form3.p", "Form3.a", "Form3.n",
                                                             "Form3.m", "Form3.b"}),
                     step(AltIn))},
        {1, gen::map(gen::elementOf(std::vector<std::string>{"Form1", "Form2", "Form3", "Form4"}),
                     step(CloseBox))},
        {3, gen::just(Step{Ok})},
    });
}

// What the backend shows after each step: this process's own Qt program, or
// the Windows program under Wine that QUILLORY_STEPS_SERVER names.
class Backend {
public:
    Backend() {
        const QString server = qEnvironmentVariable("QUILLORY_STEPS_SERVER");
        if (!server.isEmpty()) {
            wine_.start(QStringLiteral("wine"), {server});
            if (!wine_.waitForStarted()) {
                throw std::runtime_error("cannot start the Windows program under Wine");
            }
        }
    }
    Backend(const Backend&) = delete;
    Backend& operator=(const Backend&) = delete;
    ~Backend() {
        wine_.closeWriteChannel();
        wine_.waitForFinished();
    }

    std::vector<std::string> shown(const std::vector<Step>& steps) {
        std::vector<std::string> lines;
        if (wine_.program().isEmpty()) {
            const auto driver = makeDriver();
            run(*driver, steps, [&lines](Driver& d) { lines.push_back(print(snapshot(d))); });
            return lines;
        }
        for (const auto& step : steps) {
            wine_.write((testing::PrintToString(step) + "\n").c_str());
        }
        wine_.write("run\n");
        for (;;) {
            // Only a guard against a hung program, never a measure of speed.
            while (!wine_.canReadLine()) {
                if (wine_.state() != QProcess::Running || !wine_.waitForReadyRead(60000)) {
                    throw std::runtime_error("the Windows program stopped answering");
                }
            }
            const std::string line = wine_.readLine().trimmed().toStdString();
            if (line == "done") {
                return lines;
            }
            lines.push_back(line);
        }
    }

    static std::string print(const Snapshot& s) { return testing::PrintToString(s); }

private:
    QProcess wine_;
};

TEST(RandomSteps, TheProgramShowsWhatItsCoreSaysAfterEveryStep) {
    Backend backend;
    std::size_t stepsRun = 0;
    std::size_t sequences = 0;
    const bool passed = rc::check([&] {
        const auto steps = *rc::gen::container<std::vector<Step>>(anyStep());
        const auto shown = backend.shown(steps);
        const auto expected = expectedSnapshots(steps);
        stepsRun += steps.size();
        ++sequences;
        RC_ASSERT(shown.size() == expected.size());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            if (shown[i] != Backend::print(expected[i])) {
                RC_FAIL("after step " + std::to_string(i + 1) + ", " +
                        testing::PrintToString(steps[i]) + ":\n  shown    " + shown[i] +
                        "\n  expected " + Backend::print(expected[i]));
            }
        }
    });
    std::cout << stepsRun << " steps in " << sequences << " sequences\n";
    EXPECT_TRUE(passed);
}

}  // namespace
}  // namespace quillory::gui
