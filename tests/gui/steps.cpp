#include "gui/steps.h"

#include <algorithm>
#include <array>
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
        out +=
            escaped
                ? static_cast<char16_t>(std::stoul(std::string(text.substr(i + 2, 4)), nullptr, 16))
                : static_cast<char16_t>(text[i]);
        i += escaped ? 5 : 0;
    }
    return out;
}

Step parseStep(std::string_view line) {
    const auto kindEnd = std::min(line.find(' '), line.size());
    const auto* const kind = std::ranges::find(kindNames, line.substr(0, kindEnd));
    if (kind == kindNames.end()) {
        throw std::invalid_argument("no such step: " + std::string(line));
    }
    Step step{.kind = static_cast<Step::Kind>(kind - kindNames.begin()), .line = std::string(line)};
    const auto quote = std::min(line.find('"'), line.size());
    if (kindEnd + 1 < quote) {
        step.target = line.substr(kindEnd + 1, line.find_last_not_of(' ', quote - 1) - kindEnd);
    }
    if (quote + 1 < line.size()) {
        step.text = unquoted(line.substr(quote + 1, line.rfind('"') - quote - 1));
    }
    return step;
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
