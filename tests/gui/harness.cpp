// Runs a table of steps against a real program. The steps run one by one
// from the program's own event loop, each posted before the one before it
// acts: when an action opens a message box, whose loop then runs inside
// that action, the next steps run in the box's loop, as a learner's input
// would. Between two steps the loop gets turns until what the step caused
// has been handled.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <sstream>

#include "app/program_windows.h"
#include "gui/driver.h"
#include "layouts.h"
#include "verb_list.h"

namespace quillory::gui {
namespace {

using enum Step::Kind;

constexpr int stepsFinished = 2;  // the loop's exit code when the steps, not the run, end
constexpr int maximumTurns = 50;

std::string joined(std::vector<std::string> names) {
    std::ranges::sort(names);
    std::string text;
    for (const auto& name : names) {
        text += (text.empty() ? "" : ",") + name;
    }
    return text;
}

// The reference verb list, its lines ended by CR LF as the program ends them.
std::u16string verbList() {
    std::u16string text;
    for (const char c : verb_list) {
        text += c == '\n' ? u"\r\n" : std::u16string(1, static_cast<char16_t>(c));
    }
    return text;
}

bool isOpen(Driver& d, const std::string& window) {
    return std::ranges::count(d.windows(), window) != 0;
}

void perform(Driver& d, const Step& s) {
    const auto w = s.window();
    const auto c = s.control();
    switch (s.kind) {
    case Click: return d.click(w, c);
    case Type: return d.type(s.text);
    case TypeInto:
    case AltIn:
        if (d.box() || !isOpen(d, w)) {
            return;
        }
        if (s.kind == AltIn) {
            d.click(w, "Label2");
            return d.pressAlt(s.control().front());
        }
        d.click(w, c);
        d.press("End");
        return d.type(s.text);
    case Press: return d.press(s.target);
    case Alt: return d.pressAlt(s.target.front());
    case CloseBox: return d.closeBox(w);
    case Ok: return d.pressOk();
    case Windows: EXPECT_EQ(joined(d.windows()), s.target); return;
    case Text: EXPECT_EQ(d.text(w, c), s.text); return;
    case VerbList: EXPECT_EQ(d.text(w, c), verbList()); return;
    case Named: EXPECT_EQ(d.accessibleName(w, c), s.text); return;
    case Focus: EXPECT_EQ(d.focus(), s.target); return;
    case Box: EXPECT_EQ(d.box().value_or(u"(no box)"), u"Quillory\n" + s.text); return;
    case NoBox: EXPECT_EQ(d.box(), std::nullopt); return;
    case Ended: EXPECT_TRUE(d.ended()) << "the run goes on"; return;
    case Running: EXPECT_FALSE(d.ended()) << "the run has ended"; return;
    case Layout: {
        // At the screen's own density, where the test run set one up.
        const int dpi = d.view(w).value_or(WindowView{}).dpi;
        if (const char* screen = std::getenv("QUILLORY_SCREEN_DPI")) {
            EXPECT_EQ(dpi, std::atoi(screen));
        }
        EXPECT_EQ(describe(d, w), expectedLayout(w, dpi));
        return;
    }
    }
}

class Runner {
public:
    Runner(Driver& driver, const std::vector<Step>& steps,
           const std::function<void(Driver&)>& afterEach)
        : d_(driver), steps_(steps), afterEach_(afterEach) {}

    void run() {
        d_.start();
        schedule();
        const int code = d_.runLoop();
        *alive_ = false;
        if (d_.ended()) {
            EXPECT_EQ(code, 0) << "the run ended but the event loop went on";
        }
        while (next_ < steps_.size()) {  // the run is over: what is left only looks
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
        if (++turns_ < maximumTurns && !d_.settled(turns_)) {
            schedule();
            return;
        }
        turns_ = 0;
        if (next_ < steps_.size()) {
            schedule();
            doNext();
            return;
        }
        observe();
        *alive_ = false;
        if (!d_.ended()) {  // else the loop is on its way out already
            d_.quit(stepsFinished);
        }
    }

    void doNext() {
        observe();
        const Step& step = steps_[next_++];
        SCOPED_TRACE(testing::Message() << "step " << next_ << ": " << step);
        perform(d_, step);  // may run a message box's loop, and the next steps in it
    }

    // Once after each step, once it has settled.
    void observe() {
        if (afterEach_ && observed_ < next_) {
            observed_ = next_;
            afterEach_(d_);
        }
    }

    Driver& d_;
    const std::vector<Step>& steps_;
    const std::function<void(Driver&)>& afterEach_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    std::size_t next_ = 0;
    std::size_t observed_ = 0;
    int turns_ = 0;
};

}  // namespace

void run(Driver& driver, const std::vector<Step>& steps,
         const std::function<void(Driver&)>& afterEach) {
    Runner(driver, steps, afterEach).run();
}

std::vector<std::string> describe(Driver& d, std::string_view window) {
    const auto view = d.view(window);
    if (!view) {
        return {std::string(window) + " is not open"};
    }
    const auto quoted = [](std::u16string_view text) {
        return '"' + std::string(text.begin(), text.end()) + '"';
    };
    const auto place = [](std::array<int, 4> p) {
        return '[' + std::to_string(p[0]) + ' ' + std::to_string(p[1]) + ' ' +
               std::to_string(p[2]) + ' ' + std::to_string(p[3]) + ']';
    };
    std::vector<std::string> lines{std::string(window) + ' ' + quoted(view->caption) +
                                   (view->fixed ? " fixed [" : " sizable [") +
                                   std::to_string(view->width) + ' ' +
                                   std::to_string(view->height) + ']'};
    const auto id = *std::ranges::find(allWindows, window, nameOf);
    const auto controls = makeWindows().at(indexOf(id))->layout().controls;
    for (std::size_t i = 0; i < std::min(controls.size(), view->controls.size()); ++i) {
        const auto name = controls[i].name;
        const auto& c = view->controls[i];
        std::ostringstream line;
        const auto caption = c.kind == "box" ? u"" : d.text(window, name);
        line << "  " << name << ' ' << c.kind << ' ' << place(c.place)
             << (c.kind == "box" ? c.style : ' ' + quoted(caption));
        if (c.points != 0) {
            line << " font " << c.points;
        }
        line << (c.colour.empty() ? "" : " colour " + c.colour) << (c.clipped ? " clipped" : "");
        std::u16string plain = caption;
        std::erase(plain, u'&');
        if (const auto spoken = d.accessibleName(window, name); spoken != plain) {
            line << " named " << quoted(spoken);
        }
        lines.push_back(line.str());
    }
    return lines;
}

std::vector<std::string> expectedLayout(std::string_view window, int dpi) {
    std::vector<std::string> lines;
    std::istringstream golden{std::string(::layouts)};
    bool inWindow = false;
    for (std::string line; std::getline(golden, line);) {
        inWindow = line.starts_with(' ') ? inWindow : line.starts_with(std::string(window) + ' ');
        const auto open = line.find('[');
        const auto close = line.find(']');
        if (!inWindow || open == std::string::npos) {
            continue;
        }
        std::istringstream twips(line.substr(open + 1, close - open - 1));
        std::string pixels;
        for (long value = 0; twips >> value;) {  // rounded as MulDiv rounds
            pixels += (pixels.empty() ? "" : " ") + std::to_string((value * dpi + 720) / 1440);
        }
        lines.push_back(line.replace(open + 1, close - open - 1, pixels));
    }
    return lines;
}

std::string snapshot(Driver& d) {
    const auto windows = d.windows();
    const bool test = std::ranges::count(windows, "Form3") != 0;
    const auto read = [&](const char* control) { return test ? d.text("Form3", control) : u""; };
    return gui::snapshot(windows, read("Label1"), read("Text2"), read("Text3"), d.box(), d.ended());
}

}  // namespace quillory::gui
