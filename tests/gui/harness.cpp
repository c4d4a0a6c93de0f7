// Runs a table of steps against a real program. The steps run one by one
// from the program's own event loop, each posted before the one before it
// acts: when an action opens a message box, whose loop then runs inside
// that action, the next steps run in the box's loop, as a learner's input
// would. Between two steps the loop gets turns until what the step caused
// has been handled.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <regex>
#include <sstream>

#include "gui/driver.h"
#include "layouts_golden.h"

namespace quillory::gui {
namespace {

using enum Step::Kind;

constexpr int scenarioFinished = 2;  // the loop's exit code when the steps, not the run, end
constexpr int maximumPasses = 50;

std::vector<std::string> sorted(std::vector<std::string> names) {
    std::ranges::sort(names);
    return names;
}

void expect(Driver& d, const Step& s) {
    switch (s.kind) {
    case Windows: EXPECT_EQ(sorted(d.windows()), s.names); break;
    case Caption: EXPECT_EQ(utf8(d.caption(s.window)), utf8(s.text)); break;
    case Text: EXPECT_EQ(d.text(s.window, s.control), s.text) << utf8(d.text(s.window, s.control)); break;
    case Named: EXPECT_EQ(utf8(d.accessibleName(s.window, s.control)), utf8(s.text)); break;
    case Focus: EXPECT_EQ(d.focus(), s.window + (s.control.empty() ? "" : ".") + s.control); break;
    case Box:
        EXPECT_EQ(utf8(d.box().value_or(u"(no message box)")), utf8(s.text));
        EXPECT_EQ(d.boxTitle(), u"Quillory");
        break;
    case NoBox: EXPECT_EQ(d.box(), std::nullopt) << "a message box is open"; break;
    case Ended: EXPECT_TRUE(d.ended()) << "the run goes on"; break;
    case Running: EXPECT_FALSE(d.ended()) << "the run has ended"; break;
    case ListView: {
        const auto [first, last] = d.shownLines(s.window, s.control);
        const int lastLine = static_cast<int>(std::ranges::count(d.text(s.window, s.control), u'\n')) - 1;
        EXPECT_EQ(first == 0, s.number == 0) << "first line shown: " << first;
        EXPECT_EQ(last >= lastLine, s.number == 1) << "last line shown: " << last;
        break;
    }
    case Layout: {
        const auto shown = d.describe(s.window);
        const auto expected = expectedLayout(s.window, d.dpi(s.window));
        EXPECT_EQ(shown.size(), expected.size());
        for (std::size_t i = 0; i < std::min(shown.size(), expected.size()); ++i) {
            EXPECT_EQ(shown[i], expected[i]);
        }
        break;
    }
    default: break;
    }
}

void perform(Driver& d, const Step& s) {
    if (!s.onlyIn.empty() && (d.box() || std::ranges::count(d.windows(), s.onlyIn) == 0)) {
        return;
    }
    switch (s.kind) {
    case Click: d.click(s.window, s.control); break;
    case Type: d.type(s.text); break;
    case EnterText: d.enterText(s.text); break;
    case Press: d.press(s.key); break;
    case PressAlt: d.pressAlt(s.letter); break;
    case CloseBox: d.closeBox(s.window); break;
    case Ok: d.pressOk(); break;
    default: expect(d, s);
    }
}

// A step that stands for several: each part waits for the one before.
std::vector<Step> expanded(const std::vector<Step>& steps) {
    std::vector<Step> out;
    for (const auto& s : steps) {
        if (s.kind == TypeInto) {
            out.push_back(steps::click(s.window + "." + s.control));
            out.push_back(steps::press(Key::End));
            out.push_back(steps::type(s.text));
        } else if (s.kind == AltIn) {
            out.push_back(steps::click("Form3.Label2"));
            out.push_back(steps::alt(s.letter));
        } else {
            out.push_back(s);
            continue;
        }
        for (auto part = out.end() - (s.kind == TypeInto ? 3 : 2); part != out.end(); ++part) {
            part->onlyIn = s.window;
            part->number = part == out.end() - 1 ? 0 : -1;  // -1: not the step's last part
        }
    }
    return out;
}

class Runner {
public:
    Runner(Driver& driver, const std::vector<Step>& steps,
           const std::function<void(Driver&)>& afterEach)
        : d_(driver), steps_(expanded(steps)), afterEach_(afterEach) {}

    void run() {
        d_.start();
        schedule();
        const int code = d_.runLoop();
        *alive_ = false;
        if (d_.ended()) {
            EXPECT_EQ(code, 0) << "the run ended but the event loop went on";
        }
        // The run is over: what is left only looks.
        while (next_ < steps_.size()) {
            doNext();
        }
        observe();
        d_.stop();
    }

private:
    void schedule() {
        d_.post([this, alive = alive_] {
            if (*alive) {
                tick();
            }
        });
    }

    void tick() {
        if (++passes_ < maximumPasses && !d_.settled(passes_)) {
            schedule();
            return;
        }
        passes_ = 0;
        if (next_ == steps_.size()) {
            observe();
            *alive_ = false;
            if (!d_.ended()) {  // else the loop is already on its way out
                d_.quit(scenarioFinished);
            }
            return;
        }
        schedule();
        doNext();
    }

    void doNext() {
        observe();
        const Step& step = steps_[next_++];
        SCOPED_TRACE(testing::Message() << "step " << next_ << ": " << step);
        done_ = step.number >= 0 ? next_ : done_;  // before: a step may open a box's loop
        perform(d_, step);
    }

    // Once for each whole step, after it has settled.
    void observe() {
        if (afterEach_ && observed_ < done_) {
            observed_ = done_;
            afterEach_(d_);
        }
    }

    Driver& d_;
    std::vector<Step> steps_;
    const std::function<void(Driver&)>& afterEach_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::size_t next_ = 0;
    std::size_t done_ = 0;
    std::size_t observed_ = 0;
    int passes_ = 0;
};

}  // namespace

// The reference lines of one window, with every [place and size] in twips
// turned into the screen's pixels.
std::vector<std::string> expectedLayout(std::string_view window, int dpi) {
    std::vector<std::string> lines;
    std::istringstream golden(utf8(layoutsGolden));
    bool inWindow = false;
    for (std::string line; std::getline(golden, line);) {
        if (!line.starts_with(' ')) {
            inWindow = line.starts_with(std::string(window) + ' ');
        }
        if (!inWindow) {
            continue;
        }
        static const std::regex twips(R"(\[([\d ]+)\])");
        std::string pixels;
        auto from = line.cbegin();
        for (std::sregex_iterator at(line.begin(), line.end(), twips), end; at != end; ++at) {
            pixels.append(from, (*at)[0].first) += '[';
            std::istringstream numbers((*at)[1].str());
            std::string separator;
            for (long value = 0; numbers >> value; separator = " ") {
                pixels += separator + std::to_string((value * dpi + 720) / 1440);
            }
            pixels += ']';
            from = (*at)[0].second;
        }
        lines.push_back(pixels.append(from, line.cend()));
    }
    return lines;
}

void run(Driver& driver, const std::vector<Step>& steps,
         const std::function<void(Driver&)>& afterEach) {
    Runner(driver, steps, afterEach).run();
}

Snapshot snapshot(Driver& d) {
    Snapshot s{.windows = sorted(d.windows()), .box = d.box(), .ended = d.ended()};
    if (std::ranges::find(s.windows, "Form3") != s.windows.end()) {
        s.verb = d.text("Form3", "Label1");
        s.pastTense = d.text("Form3", "Text2");
        s.participle = d.text("Form3", "Text3");
    }
    return s;
}

}  // namespace quillory::gui
