#!/usr/bin/env bash
# Starts the program on the X display in DISPLAY, checks that the main menu
# comes up at its size, then leaves through Exit as a learner does: a click
# on Exit, Enter on the farewell box, and the program ends by itself.
# Usage: start_and_exit.sh [PROGRAM]   (default: quillory on the PATH)
set -euo pipefail
program="${1:-quillory}"
guard=30  # seconds; only a guard against a hang

QT_QPA_PLATFORM=xcb "$program" &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT

menu=$(timeout "$guard" xdotool search --sync --onlyvisible --name '^Quillory 1\.0$' | head -n 1)
size=$(xwininfo -id "$menu" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
echo "main menu $menu is $size"
# 6075 x 2835 twips at 15 twips to a pixel
[ "$size" = "405x189" ] || { echo "the main menu should be 405x189"; exit 1; }

# Exit is at 3160, 2040 twips and 1215 x 495 big: its middle is at 251, 152.
xdotool mousemove --window "$menu" 251 152 click 1
farewell=$(timeout "$guard" xdotool search --sync --onlyvisible --name '^Quillory$' | head -n 1)
echo "farewell box $farewell is up"
xdotool windowfocus --sync "$farewell" key Return

status=0
timeout "$guard" tail --pid="$pid" -f /dev/null || { echo "the program did not end"; exit 1; }
wait "$pid" || status=$?
trap - EXIT
echo "the program ended with status $status"
exit "$status"
