#include "gui/steps.h"

#include <array>
#include <sstream>

namespace quillory::gui {
namespace {

using enum Step::Kind;

Step on(Step::Kind kind, std::string_view control) {
    Step step{.kind = kind};
    const auto dot = control.find('.');
    step.window = control.substr(0, dot);
    if (dot != std::string_view::npos) {
        step.control = control.substr(dot + 1);
    }
    return step;
}

Step with(Step step, std::u16string_view text) {
    step.text = text;
    return step;
}

constexpr std::array kindNames{"click",  "type",     "typeInto", "altIn",   "enterText", "press",
                               "alt",    "closeBox", "ok",       "windows", "caption",   "text",
                               "named",  "focus",  "box",      "noBox",    "ended",   "running",   "listView",
                               "layout"};
constexpr std::array keyNames{"Tab", "ShiftTab", "Enter", "Escape", "End", "CtrlEnd"};

}  // namespace

std::string utf8(std::u16string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t c = text[i];
        if (c >= 0xD800 && c < 0xDC00 && i + 1 < text.size()) {
            c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
        }
        const auto byte = [&out](char32_t bits) { out += static_cast<char>(bits); };
        if (c < 0x80) {
            byte(c);
        } else if (c < 0x800) {
            byte(0xC0 | c >> 6), byte(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            byte(0xE0 | c >> 12), byte(0x80 | (c >> 6 & 0x3F)), byte(0x80 | (c & 0x3F));
        } else {
            byte(0xF0 | c >> 18), byte(0x80 | (c >> 12 & 0x3F)), byte(0x80 | (c >> 6 & 0x3F)),
                byte(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const Step& step) {
    out << kindNames.at(static_cast<std::size_t>(step.kind));
    if (!step.window.empty()) {
        out << ' ' << step.window << (step.control.empty() ? "" : ".") << step.control;
    }
    if (step.kind == Press) {
        out << ' ' << keyNames.at(static_cast<std::size_t>(step.key));
    }
    if (step.letter != 0) {
        out << ' ' << step.letter;
    }
    for (const auto& name : step.names) {
        out << ' ' << name;
    }
    if (!step.text.empty() || step.kind == Text || step.kind == Type) {
        out << " \"" << utf8(step.text) << '"';
    }
    return out;
}

std::ostream& operator<<(std::ostream& out, const Snapshot& s) {
    out << "{windows:";
    for (const auto& name : s.windows) {
        out << ' ' << name;
    }
    out << "; verb \"" << utf8(s.verb) << "\", answers \"" << utf8(s.pastTense) << "\" \""
        << utf8(s.participle) << '"';
    if (s.box) {
        out << "; box \"" << utf8(*s.box) << '"';
    }
    return out << (s.ended ? "; ended}" : "}");
}

// "kind window control letter key units...", with "-" for an empty field and
// the text's UTF-16 units in hexadecimal.
std::string toWire(const Step& step) {
    std::ostringstream out;
    const auto field = [&out](const std::string& text) { out << ' ' << (text.empty() ? "-" : text); };
    out << static_cast<int>(step.kind);
    field(step.window);
    field(step.control);
    out << ' ' << static_cast<int>(step.letter) << ' ' << static_cast<int>(step.key) << std::hex;
    for (const char16_t unit : step.text) {
        out << ' ' << static_cast<unsigned>(unit);
    }
    return out.str();
}

Step fromWire(const std::string& line) {
    std::istringstream in(line);
    Step step;
    int kind = 0;
    int letter = 0;
    int key = 0;
    in >> kind >> step.window >> step.control >> letter >> key >> std::hex;
    step.kind = static_cast<Step::Kind>(kind);
    step.letter = static_cast<char>(letter);
    step.key = static_cast<Key>(key);
    for (auto* name : {&step.window, &step.control}) {
        *name = *name == "-" ? "" : *name;
    }
    for (unsigned unit = 0; in >> unit;) {
        step.text += static_cast<char16_t>(unit);
    }
    return step;
}

namespace steps {
Step click(std::string_view control) { return on(Click, control); }
Step type(std::u16string_view text) { return with({.kind = Type}, text); }
Step typeInto(std::string_view control, std::u16string_view text) {
    return with(on(TypeInto, control), text);
}
Step altIn(char letter) { return {.kind = AltIn, .window = "Form3", .letter = letter}; }
Step enterText(std::u16string_view text) { return with({.kind = EnterText}, text); }
Step press(Key key) { return {.kind = Press, .key = key}; }
Step alt(char letter) { return {.kind = PressAlt, .letter = letter}; }
Step closeBox(std::string_view window) { return on(CloseBox, window); }
Step ok() { return {.kind = Ok}; }
Step windows(std::vector<std::string> names) { return {.kind = Windows, .names = std::move(names)}; }
Step caption(std::string_view window, std::u16string_view text) {
    return with(on(Caption, window), text);
}
Step text(std::string_view control, std::u16string_view text) { return with(on(Text, control), text); }
Step named(std::string_view control, std::u16string_view text) {
    return with(on(Named, control), text);
}
Step focus(std::string_view control) { return on(Focus, control); }
Step box(std::u16string_view text) { return with({.kind = Box}, text); }
Step noBox() { return {.kind = NoBox}; }
Step ended() { return {.kind = Ended}; }
Step running() { return {.kind = Running}; }
Step listView(std::string_view control, bool atEnd) {
    Step step = on(ListView, control);
    step.number = atEnd ? 1 : 0;
    return step;
}
Step layout(std::string_view window) { return on(Layout, window); }
}  // namespace steps

}  // namespace quillory::gui
