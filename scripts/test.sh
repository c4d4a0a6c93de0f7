#!/usr/bin/env bash
# Installs what is missing, builds and runs the tests. With no argument:
# every preset, the debug build, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows program under Wine at 96 and
# 192 DPI; each runs even when one before it failed, and one line per preset
# says how it went. With presets' names ("default", "asan", "windows"):
# those only.
set -uo pipefail
cd "$(dirname "$0")/.."

run_preset() {
    local preset="$1"
    cmake --preset "$preset" >/dev/null || return
    cmake --build --preset "$preset" || return
    if [ "$preset" != windows ]; then
        ctest --preset "$preset"
        return
    fi
    # The random test's Linux half drives the Windows program under Wine.
    local random=build/default/tests/qt/quillory_qt_tests
    { cmake --preset default >/dev/null && cmake --build --preset default --target "${random##*/}"; } ||
        return
    cmake --preset windows -DQUILLORY_RANDOM_STEPS="$PWD/$random" >/dev/null || return
    scripts/with-wine.sh ctest --preset windows &&
        scripts/with-wine.sh --dpi 192 ctest --preset windows --exclude-regex RandomSteps
}

scripts/install-deps.sh || exit
presets=("$@")
[ ${#presets[@]} -gt 0 ] || presets=(default asan windows)
summary=()
status=0
for preset in "${presets[@]}"; do
    echo "=== $preset"
    start=$SECONDS
    if run_preset "$preset"; then
        summary+=("$preset: passed in $((SECONDS - start)) s")
    else
        summary+=("$preset: FAILED after $((SECONDS - start)) s")
        status=1
    fi
done
echo "=== summary"
printf '%s\n' "${summary[@]}"
exit "$status"
