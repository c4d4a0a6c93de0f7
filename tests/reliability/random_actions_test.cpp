// Random sequences of a learner's actions, done to the real program through
// the scenario driver, with the program's observable state compared against
// the reference model after every one. RapidCheck generates the sequences
// from the model's state and shrinks a failing one to a short list.
//
//   QUILLORY_RANDOM_ACTIONS  how many actions to run in all (default 2000)
//   RC_PARAMS                RapidCheck's: seed=N for a given seed, max_size=N
//                            for the longest run of one program (an average
//                            run is about a quarter of it), reproduce=... to
//                            replay a failure as printed
//   QUILLORY_RANDOM_SHOW     if set, each program run's actions are listed
#include <gtest/gtest.h>
#include <rapidcheck.h>
#include <rapidcheck/state.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <exception>
#include <iostream>
#include <sstream>
#include <string>

#include "reliability/actions.h"

namespace quillory::reliability {
namespace {

using Commands = rc::state::Commands<Step>;

std::uint64_t targetActions() {
    const char* value = std::getenv("QUILLORY_RANDOM_ACTIONS");
    return value != nullptr ? std::strtoull(value, nullptr, 10) : 2000;
}

// The actions of the program being driven, written out if the process dies
// (a sanitizer's report or a failed assertion aborts it) so that the run
// can be replayed by hand.
std::string runningCase;

extern "C" void reportRunningCase(int signal) {
    constexpr char heading[] = "\nThe program stopped during these actions:\n";
    (void)!write(STDERR_FILENO, heading, sizeof heading - 1);
    (void)!write(STDERR_FILENO, runningCase.data(), runningCase.size());
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

std::string describe(const Commands& commands) {
    std::ostringstream os;
    int number = 0;
    for (const auto& command : commands) {
        os << ++number << ". ";
        command->show(os);
        os << '\n';
    }
    return os.str();
}

// Starts a fresh program, does the actions to it, and leaves it with no
// message box open so that it can be torn down.
void runOnProgram(const Commands& commands) {
    static std::optional<std::u16string> listText;
    std::exception_ptr failure;
    scenario::runScenario([&](scenario::Driver& driver) {
        Program program{driver, listText};
        try {
            rc::state::runAll(commands, Model(), program);
        } catch (...) {
            failure = std::current_exception();
        }
        try {
            for (int box = 0; box < 3 && driver.messageBox(); ++box) {
                driver.dismissMessageBox();
            }
        } catch (...) {
            if (!failure) {
                failure = std::current_exception();
            }
        }
    });
    if (failure) {
        std::rethrow_exception(failure);
    }
}

TEST(RandomActions, TheProgramFollowsTheModel) {
    const auto target = targetActions();
    auto params = rc::detail::configuration().testParams;
    // Each program takes at least one action: the target bounds the count.
    params.maxSuccess = static_cast<int>(std::max<std::uint64_t>(target, 1));
    rc::detail::TestMetadata metadata;
    metadata.id = "RandomActions/TheProgramFollowsTheModel";
    metadata.description = "the program follows the model";

    std::signal(SIGABRT, reportRunningCase);
    bool failing = false;
    std::uint64_t programs = 0;
    const auto started = std::chrono::steady_clock::now();
    const auto result = rc::detail::checkTestable(
        [&] {
            if (!failing && actionsRun() >= target) {
                return;  // enough actions: the remaining cases pass unrun
            }
            const auto commands = *rc::state::gen::commands(Model(), nextStep);
            if (!failing) {
                ++programs;
            }
            runningCase = describe(commands);
            if (std::getenv("QUILLORY_RANDOM_SHOW") != nullptr) {
                std::cerr << "--- program run " << programs << "\n" << runningCase;
            }
            try {
                runOnProgram(commands);
            } catch (...) {
                failing = true;  // shrinking follows: every case must run from now on
                throw;
            }
        },
        metadata, params);
    std::signal(SIGABRT, SIG_DFL);
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();

    std::cout << "Random actions: " << actionsRun() << " actions in " << programs
              << " program runs, seed " << params.seed << ", max_size " << params.maxSize << ", "
              << seconds << " s\n"
              << figures();
    if (!result.template is<rc::detail::SuccessResult>()) {
        std::ostringstream report;
        rc::detail::printResultMessage(result, report);
        FAIL() << "seed " << params.seed << "\n" << report.str();
    }
    EXPECT_GE(actionsRun(), target);
}

}  // namespace
}  // namespace quillory::reliability
