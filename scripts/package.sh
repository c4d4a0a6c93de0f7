#!/usr/bin/env bash
# Makes the Debian package of the program for the Debian release this
# machine runs, in build/release: its version names the release
# (1.0.0+deb12, 1.0.0+deb13) and it asks for the Qt it was built with.
# Install it there with apt: sudo apt-get install ./build/release/quillory_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release --target quillory quillory_debian_docs
rm -f build/release/quillory_*.deb
cpack --preset release
