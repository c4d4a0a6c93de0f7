#!/usr/bin/env bash
# The program writes nothing and talks to nothing but its display: scenarios
# of one learner's session (an answer, the list, the farewell) run on the X
# server in DISPLAY under strace, with an empty home and runtime folder, no
# session bus, and no leak check (it cannot run under a tracer). The trace
# must show no file opened for writing, created, changed or removed, no
# process started and no connection but the display's.
# Usage: no_writes.sh TEST-PROGRAM
set -euo pipefail
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/home" "$work/runtime"
env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 strace -f -qq -e signal=none -e trace=%file,%network,%process \
    -o "$work/trace" "$1" --gtest_brief=1 \
    --gtest_filter='*/OneAnswer*:*/VerbList*:*/ExitSays*'
succeeded() { grep -vE '= -1 E[A-Z]+' "$work/trace" | grep -E "$1" || true; }
found=$(
    succeeded '^[0-9]+ +(open|openat|creat)\(' | grep -E 'O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)|creat\(' |
        grep -v '"/dev/null"'
    succeeded '^[0-9]+ +(mkdir|mkdirat|rename|renameat2?|unlink|unlinkat|rmdir|link|linkat|symlink|truncate|chmod|fchmodat|mknod)\('
    grep -E '^[0-9]+ +(execve|vfork|fork)\(' "$work/trace" | grep -v "\"$1\""
    grep -E '^[0-9]+ +clone3?\(' "$work/trace" | grep -v CLONE_THREAD
    grep -E '^[0-9]+ +(connect|bind|listen|sendto)\(' "$work/trace" | grep -v 'X11-unix/X'
    find "$work/home" "$work/runtime" -mindepth 1
)
if [ -n "$found" ]; then
    printf 'The program left traces:\n%s\n' "$found" >&2
    exit 1
fi
echo "No file written, no process started, no connection but the display's ($(wc -l <"$work/trace") calls traced)."
