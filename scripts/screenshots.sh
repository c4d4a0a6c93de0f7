#!/usr/bin/env bash
# Takes screenshots of every window on a virtual display at a scale of 1 and
# of 2, to compare with the layout tables (15 twips to a logical pixel).
# Usage: scripts/screenshots.sh [PROGRAM [OUTPUT-FOLDER]]
# Needs xvfb, xdotool and imagemagick; there is no window manager, so the
# windows have no frames and stand where the program puts them.
set -euo pipefail
cd "$(dirname "$0")/.."
program="$(realpath "${1:-build/default/app/quillory}")"
out="$(realpath -m "${2:-build/screenshots}")"
mkdir -p "$out"

shoot_at_scale() {
    local scale=$1 pid menu about list test
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR="$scale" "$program" &
    pid=$!
    find() { timeout 30 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
    # A point given in twips, in the window's device pixels.
    click() { xdotool mousemove --window "$1" $(($2 * scale / 15)) $(($3 * scale / 15)) click 1; }
    shoot() { sleep 0.5 && import -window "$1" "$out/$2-x$scale.png"; }

    menu=$(find '^Quillory 1\.0$')
    click "$menu" 5287 2287  # About
    about=$(find '^About$')
    xdotool windowmove "$about" 0 $((200 * scale))  # clear of the menu, as a window manager would
    shoot "$menu" menu
    shoot "$about" about
    shoot root desktop
    click "$menu" 727 2287  # Verb list
    list=$(find '^Irregular verb list$')
    shoot "$list" verb-list
    click "$list" 4327 6907  # Back to menu
    menu=$(find '^Quillory 1\.0$')
    click "$menu" 2247 2287  # Test
    test=$(find '^Verb test$')
    xdotool type arisen
    shoot "$test" test
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

export -f shoot_at_scale
export program out
for scale in 1 2; do
    tests/desktop/on_xvfb.sh bash -c "shoot_at_scale $scale"
done
ls "$out"
