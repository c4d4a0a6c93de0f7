// What a learner does and sees, scenario by scenario (tests/data/scenarios.txt),
// on a real backend.
#include <gtest/gtest.h>

#include <sstream>

#include "gui/driver.h"
#include "scenarios.h"

namespace quillory::gui {
namespace {

struct Scenario {
    std::string name;
    std::vector<Step> steps;
};

void PrintTo(const Scenario& scenario, std::ostream* out) { *out << scenario.name; }

std::vector<Scenario> allScenarios() {
    std::vector<Scenario> all;
    std::istringstream lines{std::string(::scenarios)};
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("== ")) {
            all.push_back({line.substr(3), {}});
        } else if (!line.empty() && !line.starts_with('#')) {
            all.back().steps.push_back(parseStep(line));
        }
    }
    return all;
}

class Scenarios : public testing::TestWithParam<Scenario> {};

TEST_P(Scenarios, Run) {
    const auto driver = makeDriver();
    run(*driver, GetParam().steps);
}

INSTANTIATE_TEST_SUITE_P(Learner, Scenarios, testing::ValuesIn(allScenarios()),
                         [](const auto& test) { return test.param.name; });

}  // namespace
}  // namespace quillory::gui
