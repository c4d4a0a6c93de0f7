#!/usr/bin/env bash
# Takes the pictures of the README from the real programs on a virtual
# display (scripts/on-xvfb.sh): the main menu, the test window with the
# message box of a right answer over it, and the verb list, of the Linux
# program framed by a window manager (openbox) and of the Windows program
# under Wine (scripts/with-wine.sh) with Wine's fonts and its own frames; and
# the menu in GNOME's dark theme (Adwaita-Dark) and in Windows' High Contrast
# Black. They go into the folder given (build/screenshots if none) as small
# 8-bit PNGs, PLATFORM-WINDOW.png; the About window and every window at twice
# the scale (PLATFORM-WINDOW-x2.png) go into build/screenshots.
#     scripts/screenshots.sh docs/screenshots      the README's pictures
set -euo pipefail
cd "$(dirname "$0")/.."

# Shoots every window at one scale; the program is the rest of the
# arguments. Points are given in twips of a window's client area, whose
# size at a scale of 1 is given too: a frame drawn around it is found from
# the window's outer size.
shoot_windows() {
    local platform=$1 scale=$2 look=$3 pid menu list test box about
    shift 3
    if [ "$platform" = linux ]; then  # a window manager frames the windows
        openbox >/dev/null 2>&1 &
        timeout 30 sh -c 'until xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "# 0x"; do sleep 0.1; done'
    fi
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
    # The README's pictures go to $out, the others to $extra.
    shoot() {
        local name=$1 left=100000 top=100000 right=0 bottom=0 X Y WIDTH HEIGHT w file folder=$out
        local -a frame
        shift
        sleep 1
        for w in "$@"; do
            # Where the window is on the screen, frame or not (xdotool
            # counts a manager's frame in another way).
            eval "$(xwininfo -id "$w" | sed -nE 's/^ *Absolute upper-left (X|Y): *(-?[0-9]+)/\1=\2/p
                s/^ *(Width|Height): *([0-9]+)/\U\1\E=\2/p')"
            # The manager's frame round the window: left, right, top, bottom.
            IFS=', ' read -r -a frame <<<"$(xprop -id "$w" _NET_FRAME_EXTENTS | sed -n 's/.*= //p')"
            [ ${#frame[@]} -eq 4 ] || frame=(0 0 0 0)
            left=$((X - frame[0] < left ? X - frame[0] : left))
            top=$((Y - frame[2] < top ? Y - frame[2] : top))
            right=$((X + WIDTH + frame[1] > right ? X + WIDTH + frame[1] : right))
            bottom=$((Y + HEIGHT + frame[3] > bottom ? Y + HEIGHT + frame[3] : bottom))
        done
        file=$platform-$name$look$([ "$scale" = 1 ] || echo "-x$scale").png
        [ "$scale" = 1 ] && [ "$name" != about ] || folder=$extra
        import -window root "$scratch/$file"
        mogrify -crop "$((right - left))x$((bottom - top))+$left+$top" +repage "$scratch/$file"
        pngquant --force --strip --output "$folder/$file" 64 -- "$scratch/$file"
    }
    # Stands a message box beside its window, a third of the way down, so
    # that it hides no word of the window.
    beside() {
        local X Y WIDTH HEIGHT
        eval "$(xdotool getwindowgeometry --shell "$1" | grep -E '^(X|Y|WIDTH|HEIGHT)=')"
        xdotool windowmove "$2" $((X + WIDTH + 24 * scale)) $((Y + HEIGHT / 3))
    }

    menu=$(window '^Quillory 1\.0$')
    shoot menu "$menu"
    if [ -n "$look" ]; then  # the menu alone in another look
        kill "$pid"
        wait "$pid" 2>/dev/null || true
        return
    fi
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
    beside "$test" "$box"
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

# Windows' High Contrast Black, as tests/win32/high_contrast.sh sets it.
if [ "${1:-}" = --high-contrast ]; then
    shift
    for name in ButtonFace:"0 0 0" Window:"0 0 0" ButtonText:"255 255 255" WindowText:"255 255 255"; do
        wine reg add 'HKCU\Control Panel\Colors' /v "${name%%:*}" /d "${name#*:}" /f >/dev/null 2>&1
    done
    wine reg add 'HKCU\Control Panel\Accessibility\HighContrast' /v Flags /d 127 /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager' /v ThemeActive \
        /d 0 /f >/dev/null 2>&1
    exec "$@"
fi
# Run below on a display of its own, once for each platform, scale and look.
if [ "${1:-}" = --shoot ]; then
    shift
    shoot_windows "$@"
    exit 0
fi

out="$(realpath -m "${1:-build/screenshots}")"
scripts/install-deps.sh imagemagick pngquant openbox x11-utils
windows=windows
scripts/runs-32-bit.sh --wine || windows=windows64
echo "Building the Linux program and the Windows program ($windows preset)"
cmake --preset app >/dev/null
cmake --build --preset app --target quillory
cmake --preset "$windows" >/dev/null
cmake --build --preset "$windows" --target quillory

extra="$(realpath -m build/screenshots)"
mkdir -p "$out" "$extra"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
# Nothing is left in the home folder (Wine makes menu folders there).
mkdir "$scratch/home"
export HOME="$scratch/home" out extra scratch
for scale in 1 2; do
    echo "The Linux program at a scale of $scale"
    QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale \
        scripts/on-xvfb.sh "$0" --shoot linux "$scale" "" build/app/app/quillory
    echo "The Windows program under Wine at $((96 * scale)) DPI"
    env -u DISPLAY scripts/with-wine.sh --dpi $((96 * scale)) \
        "$0" --shoot windows "$scale" "" wine "build/$windows/app/quillory.exe"
done
echo "The menus in a dark theme and in high contrast"
QT_QPA_PLATFORM=xcb QT_STYLE_OVERRIDE=Adwaita-Dark \
    scripts/on-xvfb.sh "$0" --shoot linux 1 -dark build/app/app/quillory
env -u DISPLAY scripts/with-wine.sh "$0" --high-contrast \
    "$0" --shoot windows 1 -high-contrast wine "build/$windows/app/quillory.exe"
ls -l "$out" "$extra"
