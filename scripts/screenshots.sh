#!/usr/bin/env bash
# Takes screenshots of every window on a virtual display at a scale of 1 and
# of 2, to compare with the layout tables (15 twips to a logical pixel).
# Usage: scripts/screenshots.sh [PROGRAM [OUTPUT-FOLDER]]
#        scripts/screenshots.sh --readme
# Needs xvfb, xdotool and imagemagick; there is no window manager, so the
# windows have no frames and stand where the program puts them.
# --readme installs what it needs, builds the Linux and the Windows program
# and takes the README's pictures of both (the Windows one under Wine, which
# draws its windows' frames itself) into docs/screenshots: the main menu, the
# verb list, and the test window with a message box, as small 8-bit PNGs.
set -euo pipefail
cd "$(dirname "$0")/.."

# Shoots the three windows of one platform; the program is the rest of
# the arguments. Points are given in twips of a window's client area,
# whose size in pixels is given too: a frame drawn around it is found
# from the window's outer size.
shoot_readme() {
    local platform=$1 pid menu list test box
    shift
    "$@" >/dev/null 2>&1 &
    pid=$!
    window() { timeout 60 xdotool search --sync --onlyvisible --name "$1" | head -n 1; }
    click() {
        local WIDTH HEIGHT border top
        eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(WIDTH|HEIGHT)=')"
        border=$(((WIDTH - $2) / 2))
        top=$((HEIGHT - $3 - border))
        xdotool mousemove --window "$1" $((border + $4 / 15)) $((top + $5 / 15)) click 1
    }
    # The smallest rectangle round the windows given, from the screen. With
    # no window manager Qt's windows have no frames, so on Linux each is
    # outlined in grey; Wine draws the Windows program's frames itself.
    shoot() {
        local name=$1 left=100000 top=100000 right=0 bottom=0 X Y WIDTH HEIGHT w
        local -a outlines=()
        shift
        sleep 1
        for w in "$@"; do
            eval "$(xdotool getwindowgeometry --shell "$w" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
            left=$((X < left ? X : left))
            top=$((Y < top ? Y : top))
            right=$((X + WIDTH > right ? X + WIDTH : right))
            bottom=$((Y + HEIGHT > bottom ? Y + HEIGHT : bottom))
        done
        for w in "$@"; do
            eval "$(xdotool getwindowgeometry --shell "$w" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
            outlines+=(-draw "rectangle $((X - left)),$((Y - top)) $((X - left + WIDTH - 1)),$((Y - top + HEIGHT - 1))")
        done
        import -window root -crop "$((right - left))x$((bottom - top))+$left+$top" +repage \
            "$scratch/$name.png"
        if [ "$platform" = linux ]; then
            mogrify +antialias -fill none -stroke '#8c8c8c' "${outlines[@]}" "$scratch/$name.png"
        fi
        pngquant --force --strip --output "$out/$platform-$name.png" 64 -- "$scratch/$name.png"
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
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

# Run by --readme below on a display of its own, once for each platform.
if [ "${1:-}" = --shoot-readme ]; then
    shift
    if [ -n "${WINEPREFIX:-}" ]; then
        # wineserver keeps its socket in /tmp/wine-*/server-DEVICE-INODE,
        # after its prefix, and leaves it there: note it to take it away.
        printf 'server-%x-%x' $(stat -c '%d %i' "$WINEPREFIX") >"$scratch/wineserver"
    fi
    shoot_readme "$@"
    exit 0
fi

if [ "${1:-}" = --readme ]; then
    scripts/install-deps.sh imagemagick pngquant
    echo "Building the Linux program"
    cmake --preset app >/dev/null
    cmake --build --preset app --target quillory
    echo "Building the Windows program"
    cmake --preset windows >/dev/null
    cmake --build --preset windows --target quillory

    out="$(realpath -m docs/screenshots)"
    mkdir -p "$out"
    scratch="$(mktemp -d)"
    trap 'rm -rf "$scratch"' EXIT
    # Nothing is left in the home folder (Wine makes menu folders there).
    mkdir "$scratch/home"
    export HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch" out scratch

    echo "Taking the Linux screenshots"
    QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
        "$0" --shoot-readme linux build/app/app/quillory
    echo "Taking the Windows screenshots under Wine"
    env -u DISPLAY scripts/with-wine.sh "$0" --shoot-readme windows wine build/windows/app/quillory.exe
    for socket in /tmp/wine-*/"$(cat "$scratch/wineserver")"; do
        [ -d "$socket" ] && rm -rf "$socket" && rmdir --ignore-fail-on-non-empty "$(dirname "$socket")"
    done
    ls -l "$out"
    exit 0
fi

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
    scripts/on-xvfb.sh bash -c "shoot_at_scale $scale"
done
ls "$out"
