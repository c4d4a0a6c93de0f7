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
    scripts/with-wine.sh ctest --preset "$preset"
else
    ctest --preset "$preset"
fi
