#!/usr/bin/env bash
# Installs what is missing, builds and runs every test of one preset
# (default: "default"; also "asan" and "release").
set -euo pipefail
cd "$(dirname "$0")/.."
preset="${1:-default}"

scripts/install-deps.sh
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
