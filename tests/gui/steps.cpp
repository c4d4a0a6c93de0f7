#include "gui/steps.h"

#include <algorithm>
#include <array>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace quillory::gui {
namespace {

constexpr std::array<std::string_view, 16> kindNames{
    "Click", "Type",  "Press",     "CloseBox", "Ok",  "Windows", "Text",  "VerbList",
    "AtTop", "Named", "Described", "Focus",    "Box", "NoBox",   "Ended", "Layout"};

std::u16string unquoted(std::string_view text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool escaped = text.substr(i, 2) == "\\u";
        const auto unit = escaped ? std::stoul(std::string(text.substr(i + 2, 4)), nullptr, 16)
                                  : static_cast<unsigned char>(text[i]);
        out += static_cast<char16_t>(unit);
        i += escaped ? 5 : 0;
    }
    return out;
}

// A line that is not a kind, a target with no space and a text in quotes, each but the kind
// left out or not, is no step.
Step parseStep(const std::string& line) {
    std::smatch parts;
    std::regex_match(line, parts, std::regex(R"step((\w+) *([^ "]*) *(?:"(.*)")?)step"));
    const auto* const kind = std::ranges::find(kindNames, parts.str(1));
    if (kind == kindNames.end()) {
        throw std::invalid_argument("no such step: " + line);
    }
    return {.kind = static_cast<Step::Kind>(kind - kindNames.begin()),
            .target = parts.str(2),
            .text = unquoted(parts.str(3)),
            .line = line};
}

}  // namespace

std::vector<Scenario> parseScenarios(std::string_view text) {
    std::vector<Scenario> all;
    std::istringstream lines{std::string(text)};
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("== ")) {
            all.push_back({line.substr(3)});
        } else if (!line.empty() && !line.starts_with('#')) {
            all.back().steps.push_back(parseStep(line));
        }
    }
    return all;
}

}  // namespace quillory::gui
