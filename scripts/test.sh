#!/usr/bin/env bash
# Installs what is missing, builds and runs the tests. With no argument:
# every test — the debug build, the same under AddressSanitizer and
# UndefinedBehaviorSanitizer, and the Windows program under Wine. With a
# preset's name ("default", "asan", "release" or "windows"): that one only.
set -euo pipefail
cd "$(dirname "$0")/.."

run_preset() {
    local preset="$1"
    echo "=== $preset"
    cmake --preset "$preset"
    cmake --build --preset "$preset"
    if [ "$preset" = windows ]; then
        # Everything at 100 %, then again on a screen of twice the density.
        scripts/with-wine.sh ctest --preset "$preset"
        scripts/with-wine.sh --dpi 192 ctest --preset "$preset"
    else
        ctest --preset "$preset"
    fi
}

scripts/install-deps.sh
if [ $# -eq 0 ]; then
    for preset in default asan windows; do
        run_preset "$preset"
    done
else
    run_preset "$1"
fi
