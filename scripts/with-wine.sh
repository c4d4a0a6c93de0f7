#!/usr/bin/env bash
# Runs a command (normally ctest for the windows preset) where Windows
# programs run through Wine: a fresh Wine prefix in a temporary folder, an X
# display (Xvfb when none is set), and one wineserver kept up for the whole
# command so each test program starts quickly. --dpi sets the screen's
# pixel density (96, the default, is 100 %; 192 is 200 %); --message-font
# FACE POINTS sets Windows' message font, the one dialogs and the program
# take their text from (Wine's is 8-point Tahoma, as on Windows XP).
set -euo pipefail

# Debian's Wine starts Windows programs without a preloader (a package it only
# suggests), so nothing keeps the addresses Wine must map at (its shared page
# at 0x7ffe0000) clear of the program break, which the kernel puts anywhere in
# a gigabyte above Wine's loader: now and then a program ends at once, before
# its first line, with status 1 ("failed to map the shared user data").
# Without address randomisation the break starts just above the loader, clear
# of them.
if (((0x$(cat /proc/self/personality) & 0x40000) == 0)); then  # ADDR_NO_RANDOMIZE
    exec setarch "$(uname -m)" --addr-no-randomize "$0" "$@"
fi

dpi=96 face="" points=""
while [ $# -gt 0 ]; do
    case $1 in
    --dpi) dpi="$2" && shift 2 ;;
    --message-font) face="$2" points="$3" && shift 3 ;;
    *) break ;;
    esac
done
if [ $# -eq 0 ]; then
    echo "usage: $0 [--dpi DPI] [--message-font FACE POINTS] COMMAND [ARGUMENT...]" >&2
    exit 2
fi

scripts=$(dirname "$0")
if [ -z "${DISPLAY:-}" ]; then
    exec "$scripts/on-xvfb.sh" "$0" --dpi "$dpi" ${face:+--message-font "$face" "$points"} "$@"
fi

WINEPREFIX="$(mktemp -d)/wine"
mkdir "$WINEPREFIX"
export WINEPREFIX
# Wine's server socket and what Wine writes for the desktop (menu entries,
# MIME types) go into the same temporary folder, not into /tmp or the home.
export TMPDIR="$(dirname "$WINEPREFIX")" HOME="$(dirname "$WINEPREFIX")"
export WINEDLLOVERRIDES="winemenubuilder.exe=d"
# Wine's own errors, such as a program it could not start, but not its notes
# on what it leaves unimplemented.
export WINEDEBUG=-all,err+all
export QUILLORY_SCREEN_DPI="$dpi"  # what the tests should find
# Wine's server keeps its socket in a folder named after the prefix's device
# and inode (server-DEV-INODE).
server=$(printf 'server-%x-%x' "0x$(stat -c %D "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
cleanup() {
    wineserver -k 2>/dev/null || true
    rm -rf "$(dirname "$WINEPREFIX")"
    for dir in /tmp/wine-*/"$server"; do  # Debian's Wine 10 (see below)
        [ ! -d "$dir" ] || rm -rf "$(dirname "$dir")"
    done
}
trap cleanup EXIT
trap "exit 1" INT TERM

# Where the kernel runs no 32-bit programs, Debian's wine script still picks
# the 32-bit loader: Wine's 64-bit loader becomes the `wine` of the command,
# which the toolchain files name as the emulator of the programs they build.
if ! "$scripts/runs-32-bit.sh" --wine; then
    mkdir "$HOME/bin"
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$HOME/bin/wine"
    chmod +x "$HOME/bin/wine"
    export PATH="$HOME/bin:$PATH" WINELOADER=/usr/lib/wine/wine64
fi
# Debian's Wine 10 aborts (free(): invalid pointer) wherever TMPDIR is set,
# and keeps its server's folder in /tmp/wine-XXXXXX instead, which cleanup()
# removes.
if ! wine --version 2>/dev/null | grep -q '^wine-[0-9]\.'; then
    unset TMPDIR
fi

# The prefix is made and set up first and Wine is left to shut down, so
# that nothing of its first start is still going when the tests run.
echo "Preparing a Wine prefix (the first time takes a while)"
wine wineboot -i </dev/null >/dev/null 2>&1
# Debian's fonts-wine keeps Wine's own Windows fonts (Tahoma, MS Sans Serif,
# Marlett, whose glyphs are the title-bar buttons) in a folder the 32-bit
# Wine of Debian 12 does not search: without them Wine draws with stand-ins
# of other widths and the title bar's buttons as letters. They go where
# Windows keeps its fonts, as a Windows learner has them.
cp /usr/share/wine/fonts/* "$WINEPREFIX/drive_c/windows/Fonts/"
# No window manager runs here: Wine places and activates its windows
# itself instead of waiting for one that never answers.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f </dev/null >/dev/null 2>&1
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    </dev/null >/dev/null 2>&1
if [ -n "$face" ]; then  # a LOGFONTW, its height in pixels at 96 DPI
    logfont=$(printf '%08x' $(((1 << 32) - (points * 96 + 36) / 72)) | sed -E 's/(..)(..)(..)(..)/\4\3\2\1/')
    logfont+=000000000000000000000000900100000000000100000000
    logfont+=$(printf %s "$face" | iconv -t UTF-16LE | od -An -tx1 | tr -d ' \n')
    wine reg add 'HKCU\Control Panel\Desktop\WindowMetrics' /v MessageFont /t REG_BINARY \
        /d "$(printf '%-184s' "$logfont" | tr ' ' 0)" /f </dev/null >/dev/null 2>&1
fi
wineserver -w
# One server for the whole command, so each test program starts quickly.
# Wine's services outlive the program that starts them, so they are started
# here, away from the output that ctest waits on.
wineserver -p </dev/null >/dev/null 2>&1
wine cmd /c exit </dev/null >/dev/null 2>&1
# Wine closes its desktop a second after the last program on it has gone,
# and a program starting as it closes finds none and cannot open a window.
# So one program stays on it until cleanup() stops the server (cmd, waiting
# for a key from a pipe that nothing writes to), and the desktop is opened
# here, away from the output ctest waits on: rundll32 opens a window before
# it finds that the library it is given does not exist.
mkfifo "$HOME/desktop-hold"
wine cmd /c pause <>"$HOME/desktop-hold" >/dev/null 2>&1 &
wine rundll32 none.dll,none </dev/null >/dev/null 2>&1 || true

"$@"
