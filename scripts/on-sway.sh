#!/usr/bin/env bash
# Runs a command on a private Wayland display that frames windows itself:
# sway, headless, drawing with the CPU (wlroots' pixman renderer), with no
# input devices and an empty configuration. Sway refuses to run as root, so
# a root caller starts it as nobody, in a runtime folder of its own; the
# command keeps the caller's user and reaches the display by its full path.
# SWAYSOCK names sway's control socket, for swaymsg.
set -euo pipefail
compositor=$(mktemp -d)
client=$(mktemp -d)
as=()
if [ "$(id -u)" -eq 0 ]; then
    chown nobody: "$compositor"
    as=(setpriv --reuid=nobody --regid=nogroup --clear-groups --)
fi
env -i PATH=/usr/bin:/bin XDG_RUNTIME_DIR="$compositor" WLR_BACKENDS=headless \
    WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 "${as[@]}" sway -c /dev/null \
    >"$client/sway.log" 2>&1 &
sway=$!
trap 'kill "$sway" 2>/dev/null || true; wait "$sway" 2>/dev/null || true; rm -rf "$compositor" "$client"' EXIT
display="" control=""
for _ in $(seq 300); do
    display=$(find "$compositor" -maxdepth 1 -type s -name 'wayland-*' | head -1)
    control=$(find "$compositor" -maxdepth 1 -type s -name 'sway-ipc.*' | head -1)
    [ -n "$display" ] && [ -n "$control" ] && break
    kill -0 "$sway" 2>/dev/null || break
    sleep 0.1
done
[ -n "$display" ] && [ -n "$control" ] || { echo "sway did not start:" >&2; cat "$client/sway.log" >&2; exit 1; }
unset DISPLAY WAYLAND_SOCKET
XDG_RUNTIME_DIR="$client" WAYLAND_DISPLAY="$display" SWAYSOCK="$control" QT_QPA_PLATFORM=wayland "$@"
