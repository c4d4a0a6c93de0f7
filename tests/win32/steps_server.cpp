// Runs steps that another process sends, one line each and "run" to start,
// on a fresh Windows program each time, and answers with what the program
// shows after every step, then "done". The random test on Linux drives the
// Windows program under Wine this way.
#include <iostream>
#include <string>

#include "gui/driver.h"

int main() {
    using namespace quillory::gui;
    std::vector<Step> steps;
    for (std::string line; std::getline(std::cin, line);) {
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        if (line != "run") {
            steps.push_back(parseStep(line));
            continue;
        }
        const auto driver = makeDriver();
        run(*driver, steps, [](Driver& d) { std::cout << snapshot(d) << '\n'; });
        std::cout << "done" << std::endl;
        steps.clear();
    }
}
