#!/usr/bin/env bash
# Runs a command on a private Wayland display: mutter, GNOME's compositor,
# headless on a virtual monitor, with no X server beside it and a session bus
# of its own, which it needs. Mutter starts the command once its display is
# ready and ends with it, so there is nothing to wait for; the runtime folder,
# with the display's socket and the cache that Mesa writes for mutter, goes
# with them.
set -euo pipefail
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" XDG_CACHE_HOME="$runtime/cache" QT_QPA_PLATFORM=wayland
unset DISPLAY
dbus-run-session -- mutter --headless --wayland --no-x11 --virtual-monitor 1280x1024 \
    --wayland-display=quillory -- "$@"
