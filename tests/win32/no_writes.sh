#!/usr/bin/env bash
# The Windows program writes nothing and talks to no network: scenarios of
# one learner's session (an answer, the list, the farewell) run under Wine,
# and the Wine prefix, the program's folder and the whole registry must be as
# they were, but for what Wine itself keeps up to date as programs start and
# stop: its server's folder, the registry files it saves, the system's
# devices and services, and its temporary system parameters. Winsock and the
# libraries on top of it must never be loaded, and every scenario named must
# have run and passed.
# Usage: no_writes.sh WINE TEST-PROGRAM, under scripts/with-wine.sh.
set -euo pipefail
wine=$1 program=$2
scenarios=(OneAnswerFromMenuToMenu VerbListShowsTheWholeListAndTakesNoInput ExitSaysFarewellThenEnds)
[ -n "${WINEPREFIX:-}" ] || { echo "Run it under scripts/with-wine.sh" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# Every folder, every file with its time and size; every registry key, and
# each value after its key. A folder's time changes with a file made and
# removed in it, which leaves nothing behind.
state() {
    find "$HOME" "$(dirname "$program")" -path "$work" -prune -o -type d -printf '%p/\n' -o \
        -printf '%p %T@ %s\n'
    "$wine" regedit /E "$work/registry.reg" >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$work/registry.reg" | tr -d '\r' |
        awk '/^\[/ { key = $0; print key; next } NF { print key "\t" $0 }'
}
wines_own="^(now: )?($HOME/wine-[^/]*/server-|$WINEPREFIX/[a-z]*\.reg )|\
\\\\(System\\\\CurrentControlSet|Hardware\\\\DEVICEMAP|Temporary System Parameters)[]\\\\]"

state | sort >"$work/before"
filter=$(printf '*/%s:' "${scenarios[@]}")
WINEDEBUG=+loaddll "$wine" "$program" --gtest_brief=1 --gtest_filter="$filter" \
    >"$work/run" 2>"$work/dlls" || { cat "$work/run" >&2; exit 1; }
state | sort >"$work/after"
found=$(
    comm -3 "$work/before" "$work/after" | sed 's/^\t/now: /' | grep -vE "$wines_own"
    grep -ioE 'Loaded L"[^"]*(ws2_32|wsock32|mswsock|wininet|winhttp|urlmon|dnsapi)\.dll' "$work/dlls"
    grep -q "PASSED  \] ${#scenarios[@]} tests\." "$work/run" ||
        { echo "Fewer scenarios ran than the ${#scenarios[@]} named:"; cat "$work/run"; }
)
[ -z "$found" ] || { printf 'The program left traces:\n%s\n' "$found" >&2; exit 1; }
echo "${#scenarios[@]} scenarios ran; no file or registry value written, no network library loaded."
