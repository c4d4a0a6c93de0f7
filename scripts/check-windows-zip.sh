#!/usr/bin/env bash
# Packs the cross-built Windows program into its ZIP and checks what a
# Windows user unpacks: the program, a short read-me and the licence.
# Expects the `windows` preset to be built (scripts/test.sh windows).
set -euo pipefail
cd "$(dirname "$0")/.."

cpack --preset windows
zip=$(ls build/windows/quillory-*-windows.zip)
listing=$(cmake -E tar tf "$zip")
for file in quillory.exe README.txt LICENSE.txt; do
    grep -q "/$file\$" <<<"$listing" || { echo "$zip lacks $file" >&2; exit 1; }
done
echo "$zip holds quillory.exe, README.txt and LICENSE.txt."
