#!/usr/bin/env bash
# Installs what building and running the program needs (not what the tests
# need), builds the optimised program alone and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "Checking for the Debian packages the program needs"
scripts/install-deps.sh --run

echo "Configuring the build in build/app"
log=build/app-configure.log
mkdir -p build
if ! cmake --preset app >"$log" 2>&1; then
    cat "$log" >&2
    echo "Configuring failed; the output above is also in $log" >&2
    exit 1
fi

echo "Building quillory (under a minute the first time on two cores)"
cmake --build --preset app --target quillory

echo "Starting build/app/app/quillory"
exec build/app/app/quillory
