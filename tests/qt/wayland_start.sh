#!/usr/bin/env bash
# The program itself, with its own start-up, on the Wayland display it runs
# on, as it puts up its main menu there.
#   wayland_start.sh light PROGRAM    on a compositor that frames windows (sway):
#       no GPU driver is loaded, the compositor frames the menu, and its
#       request to close the menu (swaymsg kill, as its close box) ends the
#       program
#   wayland_start.sh framed PROGRAM   on one that does not (mutter):
#       Qt frames the menu, which stands taller than the same menu with Qt's
#       window frames switched off
#   wayland_start.sh framed-light PROGRAM   the same, and no GPU driver is
#       loaded (Qt 6.8 on, which frames windows in shared memory too)
set -euo pipefail
mode=$1 program=$2
source "$(dirname "$0")/../gui/keys.sh"  # for eventually
work=$(mktemp -d)
pid=""
trap '[ -z "$pid" ] || kill "$pid" 2>/dev/null || true; rm -rf "$work"' EXIT

gone() { ! kill -0 "$pid" 2>/dev/null; }
# A buffer attached, then committed: the program's first frame. libwayland
# 1.21 (Debian 12) writes an object as wl_surface@26, 1.23 (Debian 13) as
# wl_surface#26.
shown() {
    awk '/-> wl_surface[@#].*\.attach\(wl_buffer/ { a = 1 } a && /-> wl_surface[@#].*\.commit\(\)/ { f = 1; exit }
         END { exit !f }' "$work/trace"
}
shown_or_gone() { shown || gone; }
# Starts the program with the environment given, tracing its Wayland
# messages, and waits for its first frame. The trace is emptied here: the
# shell that starts the program in the background may open it only after the
# first look, which would then find the last start's frame.
start() {
    : >"$work/trace"
    env "$@" WAYLAND_DEBUG=client "$program" 2>>"$work/trace" &
    pid=$!
    eventually shown_or_gone
    shown || { echo "The program showed no frame:" >&2; tail -20 "$work/trace" >&2; exit 1; }
}
# The height of the window, frame and all, that Qt tells the compositor.
height() { grep -m1 -o 'set_window_geometry([^)]*)' "$work/trace" | tr -dc '0-9,' | cut -d, -f4; }
no_gpu_driver() {
    local gpu
    gpu=$(awk '$6 ~ /\/(libEGL_|libGLX_|libvulkan_|libgallium|libLLVM)[^\/]*$|_dri\.so$/ { print $6 }' \
        "/proc/$pid/maps" | sort -u)
    [ -z "$gpu" ] || { printf 'The program loaded a GPU driver:\n%s\n' "$gpu" >&2; exit 1; }
}
stop() { kill "$pid" && wait "$pid" 2>/dev/null || true; pid=""; }

case $mode in
light)
    start
    no_gpu_driver
    grep -q 'zxdg_toplevel_decoration_v1[@#][0-9]*\.configure(2)' "$work/trace" ||
        { echo "The compositor was not asked to frame the menu" >&2; exit 1; }
    # Asked until sway has the window: its commit may still be on the way.
    eventually swaymsg -q "[pid=$pid] kill" 2>/dev/null
    eventually gone || { echo "Closing the menu did not end the program" >&2; exit 1; }
    wait "$pid" || { echo "The program ended with status $?" >&2; exit 1; }
    pid=""
    echo "No GPU driver loaded; the compositor framed the menu; closing it ended the program."
    ;;
framed | framed-light)
    start
    framed=$(height)
    [ "$mode" = framed ] || no_gpu_driver
    stop
    start QT_WAYLAND_DISABLE_WINDOWDECORATION=1
    bare=$(height)
    stop
    [ "${framed:-0}" -gt "${bare:-0}" ] ||
        { echo "The menu is ${framed:-?} pixels tall, and ${bare:-?} without Qt's frame" >&2; exit 1; }
    echo "Qt framed the menu: $framed pixels tall, $bare without its frame."
    [ "$mode" = framed ] || echo "No GPU driver loaded."
    ;;
*) echo "Usage: $0 light|framed|framed-light PROGRAM" >&2; exit 2 ;;
esac
