#!/usr/bin/env bash
# Runs the random-action test on demand: a number of actions (default
# 100,000) on one preset's build (default "default"), with a given seed or
# a fresh one. It prints the actions run, the program runs, the seed, the
# time and what the actions were.
#   scripts/random-actions.sh [preset] [actions] [seed]
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"
actions="${2:-100000}"
seed="${3:-}"

scripts/install-deps.sh
cmake --preset "$preset" >/dev/null
cmake --build --preset "$preset" --target quillory_random_actions
params="max_size=200"
if [ -n "$seed" ]; then
    params="seed=$seed $params"
fi
if [ "$preset" = asan ]; then
    export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
fi
QT_QPA_PLATFORM=offscreen QUILLORY_RANDOM_ACTIONS="$actions" RC_PARAMS="$params" \
    "build/$preset/tests/quillory_random_actions"
