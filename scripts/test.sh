#!/usr/bin/env bash
# Installs what is missing, builds and runs the tests. With no argument:
# every preset, the debug build, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows program under Wine at 96 to
# 192 DPI (its 64-bit build where the kernel runs no 32-bit programs); each
# runs even when one before it failed, and one line per preset says how it
# went. With presets' names ("default", "asan", "windows"):
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
    if scripts/runs-32-bit.sh --wine; then
        run_under_wine windows
        return
    fi
    if scripts/runs-32-bit.sh; then
        echo "Wine's 32-bit packages are not installed (scripts/install-deps.sh said why),"
    else
        echo "This machine's kernel runs no 32-bit programs,"
    fi
    echo "so Wine cannot run the 32-bit program: it is checked as a file, and the Wine"
    echo "suite runs its 64-bit build."
    ctest --test-dir build/windows/tests/win32_exe --output-on-failure --no-tests=error &&
        run_under_wine windows64
}

# The Wine suite at 96 and 192 DPI, its scenarios also at 120 and 144 DPI
# and with a message font as wide as Windows Vista's to 11 (9-point Segoe
# UI, which Wine lacks): 9-point DejaVu Sans.
run_under_wine() {
    local preset="$1"
    local scenarios=(ctest --preset "$preset" -R '^Learner/')
    cmake --preset "$preset" >/dev/null || return
    cmake --build --preset "$preset" || return
    scripts/with-wine.sh ctest --preset "$preset" &&
        scripts/with-wine.sh --dpi 192 ctest --preset "$preset" &&
        for dpi in 120 144; do scripts/with-wine.sh --dpi $dpi "${scenarios[@]}" || return; done &&
        for dpi in 96 192; do
            scripts/with-wine.sh --dpi $dpi --message-font "DejaVu Sans" 9 "${scenarios[@]}" || return
        done
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
