#!/usr/bin/env bash
# Installs what is missing, builds and runs every test of one preset
# (default: "default"; also "asan", "release" and "windows", whose tests
# run under Wine).
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
if [ "$preset" = windows ]; then
    # Everything at 100 %, then again on a screen of twice the density.
    scripts/with-wine.sh ctest --preset "$preset"
    scripts/with-wine.sh --dpi 192 ctest --preset "$preset"
else
    ctest --preset "$preset"
fi
