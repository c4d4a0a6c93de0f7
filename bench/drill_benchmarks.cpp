// What one press of Check Past Tense, Check Past Participle, Next or Back
// costs in the test's logic, and what building the verb list's text costs.
// Each iteration goes over all 153 verbs; "per_verb" is the time of one press.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "drill/quiz.h"
#include "drill/verb_rows.h"
#include "screens/verb_list_text.h"

namespace quillory {
namespace {

VerbTable filledTable() {
    VerbTable table;
    start(table);
    return table;
}

void reportPerVerb(benchmark::State& state) {
    const auto verbs = static_cast<double>(verbRows().size());
    state.counters["per_verb"] = benchmark::Counter(
        verbs, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The shown verb comes from the window's label, so the benchmarks pass copies,
// not views into the table.
std::vector<std::u16string> shownVerbs() {
    std::vector<std::u16string> verbs;
    for (const auto& row : verbRows()) {
        verbs.emplace_back(row.infinitive);
    }
    return verbs;
}

using Check = std::u16string_view (*)(const VerbTable&, std::u16string_view, std::u16string_view);

// Answers every verb with its first form; a wrong verdict means the benchmark
// no longer measures the path a right answer takes.
void benchmarkCheck(benchmark::State& state, Check check, std::u16string_view VerbRow::*form) {
    const auto table = filledTable();
    const auto verbs = shownVerbs();
    std::vector<std::u16string> answers;
    for (const auto& row : verbRows()) {
        answers.emplace_back(row.*form);
    }
    for (auto _ : state) {
        for (std::size_t i = 0; i < verbs.size(); ++i) {
            auto verdict = check(table, answers[i], verbs[i]);
            if (verdict != rightAnswerMessage) {
                state.SkipWithError("a right answer was judged wrong");
                return;
            }
            benchmark::DoNotOptimize(verdict);
        }
    }
    reportPerVerb(state);
}

void CheckPastTense(benchmark::State& state) {
    benchmarkCheck(state, checkPastTense, &VerbRow::pastTense);
}
BENCHMARK(CheckPastTense);

void CheckPastParticiple(benchmark::State& state) {
    benchmarkCheck(state, checkPastParticiple, &VerbRow::pastParticiple);
}
BENCHMARK(CheckPastParticiple);

using Step = std::u16string (*)(const VerbTable&, std::u16string_view);

// Steps once from every verb; the verbs visited must add up to the table.
void benchmarkStep(benchmark::State& state, Step step) {
    const auto table = filledTable();
    const auto verbs = shownVerbs();
    for (auto _ : state) {
        std::size_t moved = 0;
        for (const auto& verb : verbs) {
            const auto shown = step(table, verb);
            moved += shown != verb ? 1U : 0U;
            benchmark::DoNotOptimize(shown.data());
        }
        if (moved != verbs.size() - 1) {  // one end of the list stays put
            state.SkipWithError("a step went nowhere");
            return;
        }
    }
    reportPerVerb(state);
}

void Next(benchmark::State& state) { benchmarkStep(state, next); }
BENCHMARK(Next);

void Back(benchmark::State& state) { benchmarkStep(state, back); }
BENCHMARK(Back);

void VerbListText(benchmark::State& state) {
    for (auto _ : state) {
        const auto text = verbListText();
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(VerbListText);

}  // namespace
}  // namespace quillory

BENCHMARK_MAIN();
