// The Windows tests; with --serve-steps, instead, the Windows half of the
// random test, which runs on Linux: it sends steps here one line each and
// "run" to start, and each time a fresh program runs them and answers with
// what it shows after every step, then "done".
#include <gtest/gtest.h>

#include <iostream>

#include "gui/driver.h"

int main(int argc, char* argv[]) {
    using namespace quillory::gui;
    if (argc < 2 || std::string_view(argv[1]) != "--serve-steps") {
        testing::InitGoogleTest(&argc, argv);
        return RUN_ALL_TESTS();
    }
    std::vector<Step> steps;
    for (std::string line; std::getline(std::cin, line);) {
        if (line.starts_with("run")) {
            run(*makeDriver(), steps, [](Driver& d) { std::cout << snapshot(d) << '\n'; });
            std::cout << "done" << std::endl;
            steps.clear();
        } else {
            steps.push_back(parseStep(line.substr(0, line.find('\r'))));
        }
    }
}
