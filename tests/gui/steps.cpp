#include "gui/steps.h"

#include <gtest/gtest.h>

#include <array>
#include <sstream>

namespace quillory::gui {
namespace {

constexpr std::array kindNames{"Click",  "Type",  "TypeInto", "AltIn",   "EnterText", "Press",
                               "Alt",    "CloseBox", "Ok",     "Windows", "Text",      "Named",
                               "Focus",  "Box",   "NoBox",    "Ended",   "Running",   "ListTop",
                               "ListEnd", "Layout"};

}  // namespace

std::ostream& operator<<(std::ostream& out, const Step& step) {
    out << kindNames.at(static_cast<std::size_t>(step.kind)) << ' ' << step.target;
    return step.text.empty() ? out : out << ' ' << testing::PrintToString(step.text);
}

std::ostream& operator<<(std::ostream& out, const Snapshot& s) {
    out << "{windows:";
    for (const auto& name : s.windows) {
        out << ' ' << name;
    }
    out << "; verb " << testing::PrintToString(s.verb) << ", answers "
        << testing::PrintToString(s.pastTense) << ' ' << testing::PrintToString(s.participle);
    if (s.box) {
        out << "; box " << testing::PrintToString(*s.box);
    }
    return out << (s.ended ? "; ended}" : "}");
}

// "kind target units...": the text as UTF-16 units in hexadecimal.
std::string toWire(const Step& step) {
    std::ostringstream out;
    out << static_cast<int>(step.kind) << ' ' << (step.target.empty() ? "-" : step.target)
        << std::hex;
    for (const char16_t unit : step.text) {
        out << ' ' << static_cast<unsigned>(unit);
    }
    return out.str();
}

Step fromWire(const std::string& line) {
    std::istringstream in(line);
    int kind = 0;
    Step step;
    in >> kind >> step.target >> std::hex;
    step.kind = static_cast<Step::Kind>(kind);
    step.target = step.target == "-" ? "" : step.target;
    for (unsigned unit = 0; in >> unit;) {
        step.text += static_cast<char16_t>(unit);
    }
    return step;
}

}  // namespace quillory::gui
