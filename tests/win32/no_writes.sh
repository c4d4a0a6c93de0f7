#!/usr/bin/env bash
# The Windows program writes nothing and talks to no network: the program
# itself, started from the downloads folder, in a learner's session (the
# menu, Exit, OK on the farewell), then scenarios of one session (an answer,
# the list, the farewell) run under Wine, and the Wine prefix, the folders
# of both and the whole registry must be as they were, but for what Wine
# itself keeps up to date as programs start and stop: its server's folder,
# the registry files it saves, the system's devices and services, and its
# temporary system parameters (Wine 10 exports the devices under
# ControlSet001, Wine 8 under CurrentControlSet). Winsock and the libraries
# on top of it must never be loaded, and every scenario named must have run
# and passed.
# Beside the program lies quillory_planted.dll, which Wine's input method
# manager loads by that bare name as the first window becomes active, once
# the keyboard layout's registry key names it so: it must not come from the
# program's folder, as the program limits the library search as it starts.
# The test program, which does not, must load it from its own folder: the
# same bait took there.
# Usage: no_writes.sh WINE TEST-PROGRAM PROGRAM, under scripts/with-wine.sh.
set -euo pipefail
wine=$1 tests=$2 program=$3
[ -n "${WINEPREFIX:-}" ] || { echo "Run it under scripts/with-wine.sh" >&2; exit 2; }
source "$(dirname "$0")/../gui/keys.sh"
work=$(mktemp -d)
planted=quillory_planted.dll
layout='HKLM\System\CurrentControlSet\Control\Keyboard Layouts\04090409'
trap 'rm -rf "$work" "$HOME/quillory.exe" "$HOME/$planted"
    "$wine" reg delete "$layout" /f >/dev/null 2>&1' EXIT
cp "$program" "$(dirname "$tests")/$planted" "$HOME/"  # the prefix's Downloads folder
"$wine" reg add "$layout" /v "Ime File" /d "$planted" /f >/dev/null 2>&1

# Every folder, every file with its time and size; every registry key, and
# each value after its key. A folder's time changes with a file made and
# removed in it, which leaves nothing behind.
state() {
    find "$HOME" "$(dirname "$tests")" -path "$work" -prune -o -type d -printf '%p/\n' -o \
        -printf '%p %T@ %s\n'
    "$wine" regedit /E "$work/registry.reg" >/dev/null 2>&1
    iconv -f UTF-16 -t UTF-8 "$work/registry.reg" | tr -d '\r' |
        awk '/^\[/ { key = $0; print key; next } NF { print key "\t" $0 }'
}
wines_own="^(now: )?($HOME/wine-[^/]*/server-|$WINEPREFIX/[a-z]*\.reg )|\
\\\\(System\\\\(CurrentControlSet|ControlSet001)|Hardware\\\\DEVICEMAP|Temporary System Parameters)[]\\\\]"

state | sort >"$work/before"
# Started as from Explorer: in its own folder.
(cd "$HOME" && WINEDEBUG=+loaddll exec "$wine" quillory.exe 2>"$work/program.dlls") &
farewell || exit 1
WINEDEBUG=+loaddll "$wine" "$tests" --gtest_filter="$(printf '*/%s:' "${scenarios[@]}")" \
    --gtest_brief=1 >"$work/run" 2>"$work/tests.dlls" || { cat "$work/run" >&2; exit 1; }
state | sort >"$work/after"
found=$(
    comm -3 "$work/before" "$work/after" | sed 's/^\t/now: /' | grep -vE "$wines_own"
    grep -ioE 'Loaded L"[^"]*(ws2_32|wsock32|mswsock|wininet|winhttp|urlmon|dnsapi)\.dll' "$work"/*.dlls
    grep -oE "Loaded L\"[^\"]*$planted\"" "$work/program.dlls"
    grep -q "$planted\" at" "$work/tests.dlls" || echo "Not even the test program loaded $planted."
    grep -q "PASSED  \] ${#scenarios[@]} tests\." "$work/run" ||
        { echo "Fewer scenarios ran than the ${#scenarios[@]} named:"; cat "$work/run"; }
)
[ -z "$found" ] || { printf 'The program left traces:\n%s\n' "$found" >&2; exit 1; }
echo "The program and ${#scenarios[@]} scenarios ran: nothing written, no network, no planted library."
