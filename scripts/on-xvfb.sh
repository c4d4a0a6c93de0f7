#!/usr/bin/env bash
# Runs a command on a private Xvfb display, the one way every script and test
# here starts a virtual display. -displayfd lets the server pick a free
# display itself; -noreset keeps it from resetting, and refusing new clients
# for a moment, each time the last client leaves. The screen leaves room for
# the largest window, the verb list, at 200 %.
set -euo pipefail
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR="$runtime"
Xvfb -displayfd 3 -screen 0 1600x1200x24 -nolisten tcp -noreset 3>"$runtime/display" 2>/dev/null &
server=$!
trap 'kill "$server" 2>/dev/null || true; rm -rf "$runtime"' EXIT
for _ in $(seq 100); do
    [ -s "$runtime/display" ] && break
    sleep 0.1
done
[ -s "$runtime/display" ] || { echo "Xvfb did not start" >&2; exit 1; }
DISPLAY=":$(cat "$runtime/display")" "$@"
