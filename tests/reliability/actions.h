#pragma once

#include <rapidcheck.h>
#include <rapidcheck/state.h>

#include <atomic>
#include <cstdint>
#include <optional>
#include <string>

#include "reliability/model.h"
#include "scenarios/driver.h"

// The learner's actions as RapidCheck commands: each one is generated from
// the model's state, done to the running program through the scenario
// driver, and then the program's whole observable state is compared with
// the model's.
namespace quillory::reliability {

// The running program, as the commands see it.
struct Program {
    scenario::Driver& driver;
    // The verb list's text as first seen in this process: it never changes.
    std::optional<std::u16string>& listText;
};

using Step = rc::state::Command<Model, Program>;
using StepPtr = std::shared_ptr<const Step>;

class Act final : public Step {
public:
    explicit Act(Action action) : action_(std::move(action)) {}

    void checkPreconditions(const Model& model) const override;
    void apply(Model& model) const override;
    void run(const Model& model, Program& program) const override;
    void show(std::ostream& os) const override;

    [[nodiscard]] const Action& action() const { return action_; }

private:
    Action action_;
};

// A generator of the next action for the model's state.
rc::Gen<StepPtr> nextStep(const Model& model);

// How many actions (Look excluded) have been done to a program so far.
std::uint64_t actionsRun();
// What the actions were, counted by kind, one line each.
std::string figures();

// The 10,000-character text, of a few kinds; entered rarely, in one piece.
std::u16string longText(int kind);

// Readable UTF-8 for a UTF-16 text, with escapes for what cannot be seen and
// long texts cut short.
std::string printable(std::u16string_view text, std::size_t limit = 60);

// Compares the program with the model; a description of the first
// difference, or nothing.
std::optional<std::string> difference(const Model& model, Program& program);

}  // namespace quillory::reliability
