#!/usr/bin/env bash
# Takes pictures of every window, from the real programs on a virtual display
# (scripts/on-xvfb.sh): the Linux program at a scale of 1 and of 2, and the
# Windows program under Wine (scripts/with-wine.sh) at 96 and 192 DPI. They
# go into the folder given (build/screenshots if none) as small 8-bit PNGs:
# PLATFORM-WINDOW.png, and PLATFORM-WINDOW-x2.png at twice the scale. The
# test window is taken with the message box of a right answer over it.
#     scripts/screenshots.sh docs/screenshots      the README's pictures
# There is no window manager, so the Linux windows have no frames and are
# outlined in grey; Wine draws the Windows program's frames itself.
set -euo pipefail
cd "$(dirname "$0")/.."

# Shoots every window at one scale; the program is the rest of the
# arguments. Points are given in twips of a window's client area, whose
# size at a scale of 1 is given too: a frame drawn around it is found from
# the window's outer size.
shoot_windows() {
    local platform=$1 scale=$2 pid menu list test box about
    shift 2
    "$@" >/dev/null 2>&1 &
    pid=$!
    window() { timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
    click() {
        local WIDTH HEIGHT border top
        eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
        border=$(((WIDTH - $2 * scale) / 2))
        top=$((HEIGHT - $3 * scale - border))
        xdotool mousemove --window "$1" $((border + $4 * scale / 15)) $((top + $5 * scale / 15)) click 1
    }
    # The smallest rectangle round the windows given, from the screen.
    shoot() {
        local name=$1 left=100000 top=100000 right=0 bottom=0 X Y WIDTH HEIGHT w file
        local -a outlines=()
        shift
        sleep 1
        for w in "$@"; do
            eval "$(xdotool getwindowgeometry --shell "$w" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
            left=$((X < left ? X : left))
            top=$((Y < top ? Y : top))
            right=$((X + WIDTH > right ? X + WIDTH : right))
            bottom=$((Y + HEIGHT > bottom ? Y + HEIGHT : bottom))
            outlines+=(-draw "rectangle $X,$Y $((X + WIDTH - 1)),$((Y + HEIGHT - 1))")
        done
        file=$platform-$name$([ "$scale" = 1 ] || echo "-x$scale").png
        import -window root "$scratch/$file"
        if [ "$platform" = linux ]; then
            mogrify +antialias -fill none -stroke '#8c8c8c' "${outlines[@]}" "$scratch/$file"
        fi
        mogrify -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$scratch/$file"
        pngquant --force --strip --output "$out/$file" 64 -- "$scratch/$file"
    }
    # Stands a message box over the middle of its window, as Qt does and
    # as Windows does for a box with an owner; Wine puts it in the middle
    # of the screen when no window manager runs.
    centre_over() {
        local X Y WIDTH HEIGHT x y
        eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
        x=$((X + WIDTH / 2)) y=$((Y + HEIGHT / 2))
        eval "$(xdotool getwindowgeometry --shell "$2" | grep -E '^(WIDTH|HEIGHT)=')"
        xdotool windowmove "$2" $((x - WIDTH / 2)) $((y - HEIGHT / 2))
    }

    menu=$(window '^Quillory 1\.0$')
    shoot menu "$menu"
    click "$menu" 405 189 727 2287  # Verb list
    list=$(window '^Irregular verb list$')
    shoot verb-list "$list"
    click "$list" 605 482 4327 6907  # Back to menu
    menu=$(window '^Quillory 1\.0$')
    click "$menu" 405 189 2247 2287  # Test
    test=$(window '^Verb test$')
    click "$test" 376 249 4867 1267  # the Past Participle box
    xdotool type arisen
    click "$test" 376 249 2767 2647  # Check Past Participle
    box=$(window '^Quillory$')
    centre_over "$test" "$box"
    shoot test "$test" "$box"
    xdotool key Return alt+m  # OK, then Back to main menu
    menu=$(window '^Quillory 1\.0$')
    click "$menu" 405 189 5287 2287  # About
    about=$(window '^About$')
    xdotool windowmove "$about" 0 0  # clear of the menu, as a window manager would
    shoot about "$about"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# Run below on a display of its own, once for each platform and scale.
if [ "${1:-}" = --shoot ]; then
    shift
    shoot_windows "$@"
    exit 0
fi

out="$(realpath -m "${1:-build/screenshots}")"
windows=windows
scripts/runs-32-bit.sh || windows=windows64
scripts/install-deps.sh imagemagick pngquant
echo "Building the Linux program and the Windows program ($windows preset)"
cmake --preset app >/dev/null
cmake --build --preset app --target quillory
cmake --preset "$windows" >/dev/null
cmake --build --preset "$windows" --target quillory

mkdir -p "$out"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# Nothing is left in the home folder (Wine makes menu folders there).
mkdir "$scratch/home"
export HOME="$scratch/home" out scratch
for scale in 1 2; do
    echo "The Linux program at a scale of $scale"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale \
        scripts/on-xvfb.sh "$0" --shoot linux "$scale" build/app/app/quillory
    echo "The Windows program under Wine at $((96 * scale)) DPI"
    env -u DISPLAY scripts/with-wine.sh --dpi $((96 * scale)) \
        "$0" --shoot windows "$scale" wine "build/$windows/app/quillory.exe"
done
ls -l "$out"
