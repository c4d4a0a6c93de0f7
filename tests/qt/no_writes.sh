#!/usr/bin/env bash
# The program writes nothing and talks to nothing but its display: scenarios
# of one learner's session (an answer, the list, the farewell) run on the X
# server in DISPLAY under strace, with an empty home and runtime folder, no
# session bus, and no leak check (it cannot run under a tracer). The trace
# must show no file opened for writing, created, changed or removed, no
# process started and no connection but the display's. Every scenario named
# must have run: a renamed one would leave the trace covering nothing.
# Then the program itself, with its own start-up, in a session driven from
# the keyboard: the menu, Exit, OK on the farewell.
# Usage: no_writes.sh TEST-PROGRAM PROGRAM
set -euo pipefail
source "$(dirname "$0")/../gui/keys.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -m 700 "$work/home" "$work/runtime"
traced() {
    env -i PATH=/usr/bin:/bin DISPLAY="$DISPLAY" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb ASAN_OPTIONS=detect_leaks=0 strace -f -qq -e signal=none \
        -e trace=%file,%network,%process -o "$work/trace.$1" "${@:2}"
}
traced program "$2" &
farewell || exit 1
traced tests "$1" --gtest_brief=1 \
    --gtest_filter="$(printf 'Learner/Scenarios.Run/%s:' "${scenarios[@]}")" | tee "$work/output"
grep -q "PASSED  \] ${#scenarios[@]} tests\." "$work/output" ||
    { echo "Fewer scenarios passed than the ${#scenarios[@]} named: ${scenarios[*]}" >&2; exit 1; }
# Calls that did something; a failed one ("= -1 E...") changed nothing.
trace=$(cat "$work"/trace.*)
done=$(grep -vE '= -1 E[A-Z]+' <<<"$trace")
found=$(
    grep -E '^[0-9]+ +(open|openat|creat)\(.*(O_(WRONLY|RDWR|CREAT|TRUNC|APPEND))' <<<"$done" | grep -v '"/dev/null"'
    grep -E '^[0-9]+ +(mkdir|rename|unlink|rmdir|link|symlink|truncate|chmod|fchmod|mknod)[a-z0-9]*\(' <<<"$done"
    grep -E '^[0-9]+ +(execve|vfork|fork|clone3?)\(' <<<"$trace" | grep -v -e "\"$1\"" -e "\"$2\"" -e CLONE_THREAD
    grep -E '^[0-9]+ +(connect|bind|listen|sendto)\(' <<<"$trace" | grep -v 'X11-unix/X'
    find "$work/home" "$work/runtime" -mindepth 1
)
[ -z "$found" ] || { printf 'The program left traces:\n%s\n' "$found" >&2; exit 1; }
echo "No file written, no process started, no connection but the display's ($(wc -l <<<"$trace") calls traced)."
