#!/usr/bin/env bash
# Builds the libFuzzer target with clang (preset "fuzz") and runs it for a
# number of seconds (default 60), keeping its corpus in build/fuzz/corpus.
# A failing input is saved as build/fuzz/crash-*; replay it with
#   build/fuzz/fuzz/check_logic_fuzzer build/fuzz/crash-...
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

scripts/install-deps.sh
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz --target check_logic_fuzzer
corpus=build/fuzz/corpus/check_logic
mkdir -p "$corpus"
log=build/fuzz/check_logic.log
echo "Fuzzing the test logic for ${seconds} s"
if ! build/fuzz/fuzz/check_logic_fuzzer -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix=build/fuzz/ "$corpus" >"$log" 2>&1; then
    tail -n 60 "$log" >&2
    echo "FAILED: the fuzzer found an input that breaks the property (see above)" >&2
    exit 1
fi
grep -E '^(Done|stat::number_of_executed_units|stat::average_exec_per_sec|stat::new_units_added|stat::peak_rss_mb)' "$log"
echo "Corpus: $(find "$corpus" -type f | wc -l) inputs"
