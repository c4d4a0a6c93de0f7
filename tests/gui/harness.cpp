// Runs each scenario of tests/data/scenarios.txt on a freshly started program, step by step
// from its own event loop: steps after one that opens a message box run in the box's loop.
#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <functional>
#include <map>
#include <ranges>
#include <regex>
#include <sstream>
#include <stdexcept>

#include "app/program_windows.h"
#include "gui/driver.h"
#include "gui/steps.h"
#include "host/readable_colour.h"
#include "host/twips.h"
#include "layouts.h"
#include "scenarios.h"
#include "verb_list.h"

namespace quillory::gui {
namespace {

using enum Step::Kind;

constexpr int stepsFinished = 2;  // the loop's exit code when the steps, not the run, end
constexpr int maximumTurns = 50;

std::u16string wide(std::string_view text) { return {text.begin(), text.end()}; }

bool lightDefault() { return std::getenv("QUILLORY_APPEARANCE") == nullptr; }

// A pixel's colour, its top byte aside.
Colour colourOf(std::uint32_t rgb) {
    return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8),
            static_cast<std::uint8_t>(rgb)};
}

// The pixels of a place in the window, row after row, as far as the window goes.
std::vector<std::uint32_t> pixelsIn(const WindowView& view, std::array<int, 4> place) {
    const auto at = [&view](int pixels) { return pixels * view.pixelsAcross / view.width; };
    const auto [left, top, width, height] = place;
    const auto rows = static_cast<int>(view.pixels.size()) / std::max(view.pixelsAcross, 1);
    std::vector<std::uint32_t> found;
    for (int y = at(top); y < std::min(at(top + height), rows); ++y) {
        for (int x = at(left); x < std::min(at(left + width), view.pixelsAcross); ++x) {
            found.push_back(view.pixels.at(static_cast<std::size_t>((y * view.pixelsAcross) + x)));
        }
    }
    return found;
}

// The text colour of pixels stands out most from their background, the colour most have; by
// the contrast ratio of two colours as the program reckons it (WCAG 2).
std::pair<Colour, Colour> textOn(const std::vector<std::uint32_t>& pixels) {
    std::map<std::uint32_t, int> counts;
    std::ranges::for_each(pixels, [&counts](auto pixel) { ++counts[pixel]; });
    const auto background =
        colourOf(std::ranges::max_element(counts, {}, [](auto& n) { return n.second; })->first);
    const auto text = std::ranges::max_element(
        counts, {}, [&](auto& n) { return contrastRatio(colourOf(n.first), background); });
    return {colourOf(text->first), background};
}

// The text ink of pixels: each counts by how far it lies from what is beneath (blank's pixel,
// or the background) towards the text's colour; smoothed edges count in part.
double inkOf(const std::vector<std::uint32_t>& pixels,
             const std::vector<std::uint32_t>& blank = {}) {
    const auto level = [](Colour c) { return c.red + c.green + c.blue; };
    const auto [text, background] = textOn(pixels);
    double ink = 0;
    for (std::size_t at = 0; at < pixels.size(); ++at) {
        const int beneath = level(blank.empty() ? background : colourOf(blank.at(at)));
        const int range = level(text) - beneath;
        const double share =
            range != 0 ? (level(colourOf(pixels[at])) - beneath) / static_cast<double>(range) : 0;
        ink += share < 0.25 ? 0 : std::min(share, 1.0);
    }
    return ink;
}

// A caption is clipped where its control shows more or less ink than the caption drawn whole
// (cut off, drawn twice or not at all); where in the control it goes is the toolkit's choice.
// A box has no caption; smoothing differs, as may an underline.
bool clipped(const std::vector<std::uint32_t>& shown, const ControlView& c) {
    const double whole = c.whole.empty() ? 0 : inkOf(c.whole);
    return !c.whole.empty() && std::abs(inkOf(shown, c.blank) - whole) > 0.05 * whole + 5;
}

// A colour in a layout's three hex digits: smoothing leaves even full strokes a few levels off.
std::string written(Colour c) {
    const auto hex = [](int value) { return std::string(2, "0123456789abcdef"[(value + 8) / 17]); };
    return std::string("#").append(hex(c.red)).append(hex(c.green)).append(hex(c.blue));
}

// A window as tests/data/layouts.txt writes it, a label's colour read from the screen. In
// another appearance than the light default (QUILLORY_APPEARANCE) a label is "unreadable"
// instead where it stands out from its background by less than WCAG's 4.5:1.
std::string describe(Driver& d, const WindowLayout& layout) {
    const WindowId window = layout.id;
    const auto view = d.view(window);
    const auto quoted = [](std::u16string_view text) {  // a line break as \n
        const std::string line(text.begin(), text.end());
        return '"' + std::regex_replace(line, std::regex("\n"), "\\n") + '"';
    };
    const auto described = [&](std::string_view control) {
        const auto told = d.accessible(window, control, Driver::Told::Description);
        return told.empty() ? "" : " described " + quoted(told);
    };
    std::ostringstream out;
    out << nameOf(window) << ' ' << quoted(view.caption) << (view.fixed ? " fixed [" : " sizable [")
        << view.width << ' ' << view.height << ']' << described("");
    for (const auto name : layout.controls | std::views::transform(&ControlLayout::name)) {
        const auto c = d.view(window, name);
        auto caption = c.kind == "box" ? u"" : d.text(window, name);
        const auto& [left, top, width, height] = c.place;
        out << "\n  " << name << ' ' << c.kind << " [" << left << ' ' << top << ' ' << width << ' '
            << height << ']' << (c.kind == "box" ? c.style : ' ' + quoted(caption));
        if (c.points != 0) {
            out << " font " << c.points;
        }
        const auto shown = pixelsIn(view, c.place);
        const auto [text, background] = textOn(shown);
        if (c.kind == "label" && lightDefault() && written(text) != written(colourOf(view.text))) {
            out << " colour " << written(text);
        } else if (c.kind == "label" && contrastRatio(text, background) < readableContrast) {
            out << " unreadable at " << contrastRatio(text, background) << ":1";
        }
        out << (clipped(shown, c) ? " clipped" : "");
        std::erase(caption, u'&');  // as the name a screen reader gives it
        const auto spoken = d.accessible(window, name, Driver::Told::Name);
        out << (spoken != caption ? " named " + quoted(spoken) : "") << described(name);
    }
    return out.str();
}

// The window's lines of tests/data/layouts.txt, each [place and size] in pixels at the
// density the test run set up (Wine's), else in Qt's logical pixels.
std::string expectedLayout(std::string_view window) {
    const char* screen = std::getenv("QUILLORY_SCREEN_DPI");
    const int dpi = screen != nullptr ? std::atoi(screen) : 96;
    std::string lines;
    std::istringstream golden{std::string(::layouts)};
    bool inWindow = false;
    for (std::string line; std::getline(golden, line);) {
        inWindow = line.starts_with(' ') ? inWindow : line.starts_with(std::string(window) + ' ');
        const auto open = line.find('['), close = line.find(']');
        if (!inWindow || open == std::string::npos) {
            continue;
        }
        line = lightDefault() ? line : std::regex_replace(line, std::regex(" colour #\\w{6}"), "");
        // A font's size, like a place, comes to whole pixels on the screen.
        if (const auto font = line.find(" font "); font != std::string::npos) {
            const auto twips = std::lround(std::stod(line.substr(font + 6)) * 20);
            std::ostringstream shown;
            shown << twipsToPixels(static_cast<int>(twips), dpi) * 72.0 / dpi;
            line.replace(font + 6, line.find(' ', font + 6) - font - 6, shown.str());
        }
        std::istringstream twips(line.substr(open + 1, close - open - 1));
        std::string pixels;
        for (int value = 0; twips >> value;) {
            pixels.append(pixels.empty() ? "" : " ")
                .append(std::to_string(twipsToPixels(value, dpi)));
        }
        lines += (lines.empty() ? "" : "\n") + line.replace(open + 1, close - open - 1, pixels);
    }
    return lines;
}

// Runs the steps on a program of its own, started as its main starts it.
class Runner {
public:
    Runner(Driver& driver, const std::vector<Step>& steps)
        : d_(driver), steps_(steps), host_(driver.toolkit(), makeWindows()) {}

    void run() {
        host_.start(WindowId::Form1);
        d_.post([this] { tick(); });
        const int code = d_.runLoop();
        EXPECT_TRUE(!host_.runEnded() || code == 0) << "the run ended but the event loop went on";
        while (next_ < steps_.size()) {  // the run is over: what is left only looks
            doNext();
        }
    }

private:
    static WindowId windowOf(const Step& s) {
        const auto* id = std::ranges::find(allWindows, s.window(), nameOf);
        return id != allWindows.end() ? *id : throw std::invalid_argument("no window " + s.target);
    }

    // Whether the target is a text box as the program lays it out; a writable one.
    [[nodiscard]] bool isBox(const Step& s, bool writable) const {
        const auto* c = s.target.empty() ? nullptr : host_.layoutOf(windowOf(s)).find(s.control());
        return c != nullptr && c->kind == ControlKind::TextBox &&
               !(writable && c->textBox.readOnly);
    }

    // What an expectation finds, and what it wants to find.
    std::pair<std::u16string, std::u16string> found(const Step& s) {
        if (s.kind == Windows) {
            std::string names;
            for (const auto id : allWindows) {
                names +=
                    d_.shown(id) ? std::string(names.empty() ? "" : ",").append(nameOf(id)) : "";
            }
            return {wide(names), wide(s.target)};
        }
        const bool ofWindow = s.kind < Focus || s.kind == Layout;
        const auto w = ofWindow ? windowOf(s) : WindowId::Form1;
        const auto c = s.control();
        if (ofWindow && !d_.shown(w)) {  // nothing of it to read
            return {u"(not shown)", u"(shown)"};
        }
        switch (s.kind) {
        case Text: return {d_.text(w, c), s.text};
        case VerbList:  // the reference list, its lines ended by CR LF as the program ends them
            return {d_.text(w, c),
                    wide(std::regex_replace(std::string(verb_list), std::regex("\n"), "\r\n"))};
        case AtTop: return {wide(testing::PrintToString(d_.place(w, c))), u"{ 0, 0, 0 }"};
        case Named: return {d_.accessible(w, c, Driver::Told::Name), s.text};
        case Described: return {d_.accessible(w, c, Driver::Told::Description), s.text};
        case Focus: return {wide(d_.focus()), wide(s.target)};
        case Box:
        case NoBox:
            return {d_.box().value_or(u"(no box)"),
                    s.kind == Box ? u"Quillory\n" + s.text : u"(no box)"};
        case Ended: return {host_.runEnded() ? u"ended" : u"running", u"ended"};
        default:  // Layout
            return {wide(describe(d_, host_.layoutOf(w))), wide(expectedLayout(s.target))};
        }
    }

    // An expectation is ready when it holds; an action once the window system has caught
    // up, a key also once the program has the keyboard.
    bool ready(const Step& s) {
        const bool key = s.kind == Type || s.kind == Press;
        return s.kind >= Windows ? std::apply(std::equal_to{}, found(s))
                                 : d_.caughtUp() && (!key || !d_.focus().empty());
    }

    // What an action must have done before the next step, where the learner could act: the
    // box OK pressed is gone, a clicked box has the focus, typed text is in the box.
    std::function<bool()> effectOf(const Step& s) {
        const bool box = d_.box().has_value();
        const Step into{.target = d_.focus()};  // where typing goes
        if (s.kind == Ok && box) {
            return [this] { return !d_.box(); };
        }
        if (s.kind == Click && !box && d_.shown(windowOf(s)) && isBox(s, false)) {
            return [this, s] { return d_.focus() == s.target; };
        }
        if (s.kind == Type && !box && isBox(into, true)) {
            return [this, s, w = windowOf(into), c = into.control()] {
                return d_.text(w, c).find(s.text) != std::u16string::npos;
            };
        }
        return [] { return true; };
    }

    void perform(const Step& s) {
        switch (s.kind) {
        case Click: return d_.click(windowOf(s), s.control());
        case Type: return d_.type(s.text);
        case Press: return d_.press(s.target);
        case CloseBox: return d_.closeBox(windowOf(s));
        case Ok: return d_.pressOk();
        default:
            const auto [actual, wanted] = found(s);  // the last label: no jump passes it
            EXPECT_EQ(actual, wanted);
        }
    }

    // The loop gets turns until the last step's effects are handled and the next step is
    // ready, which the window system may report late. A turn still waiting when the run is
    // over goes with the driver, not into another's loop.
    void tick() {
        const bool waiting = !done_() || (next_ < steps_.size() && !ready(steps_[next_]));
        if ((!d_.settled(++turns_) && turns_ < maximumTurns) ||
            (waiting && std::chrono::steady_clock::now() < deadline_)) {
            d_.post([this] { tick(); });
            return;
        }
        turns_ = 0;
        EXPECT_TRUE(done_()) << "step " << next_ << " had no effect: " << steps_[next_ - 1].line;
        if (next_ < steps_.size()) {
            d_.post([this] { tick(); });
            doNext();
            return;
        }
        // An ended run's loop may be on its way out.
        d_.quit(host_.runEnded() ? 0 : stepsFinished);
    }

    void doNext() {
        const Step& step = steps_[next_++];
        SCOPED_TRACE(testing::Message() << "step " << next_ << ": " << step.line);
        deadline_ = std::chrono::steady_clock::now() + patience;
        done_ = effectOf(step);
        perform(step);  // may run a message box's loop, and the next steps in it
    }

    Driver& d_;
    const std::vector<Step>& steps_;
    WindowHost host_;
    std::function<bool()> done_ = [] { return true; };  // the last action's effect
    std::size_t next_ = 0;
    int turns_ = 0;
    std::chrono::steady_clock::time_point deadline_ = std::chrono::steady_clock::now() + patience;
};

class Scenarios : public testing::TestWithParam<Scenario> {};

TEST_P(Scenarios, Run) { Runner(*makeDriver(), GetParam().steps).run(); }

INSTANTIATE_TEST_SUITE_P(Learner, Scenarios, testing::ValuesIn(parseScenarios(::scenarios)),
                         [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace quillory::gui
