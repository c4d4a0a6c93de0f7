#!/usr/bin/env bash
# Runs the real quillory executable on a real X server (Xvfb, the xcb
# platform) under strace, drives it from outside with xdotool as a learner
# would (Test, an answer typed, Check Past Tense, OK, Back to main menu,
# Exit, OK), then reads the trace of the program and of anything it started:
#
#   - no file opened for writing, created, truncated, renamed or removed;
#   - no folder created (a mkdir that finds the folder there creates nothing);
#   - no process started;
#   - one socket: the connection to the X display; no other socket at all.
#
# It runs with an empty home folder and a private runtime folder, as a login
# session gives, and with no D-Bus session bus, as on CI.
#
#   scripts/check-no-writes.sh [path/to/quillory]   (default: the default preset's)
set -euo pipefail
cd "$(dirname "$0")/.."

# --- The learner's part, run inside xvfb-run. --------------------------------
if [ "${1:-}" = "--session" ]; then
    exe=$2
    trace=$3
    # Window positions come from the layouts (twips / 15 = pixels); with no
    # window manager each window's client area starts at its origin.
    wait_for() {  # a window by its exact title
        local id
        id=$(timeout 20 xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1) || {
            echo "no window titled '$1' appeared" >&2
            return 1
        }
        sleep 0.3  # mapped is not yet drawn and focused
        echo "$id"
    }
    click() { xdotool mousemove --window "$1" "$2" "$3" click 1; }

    strace -ff -qq -s 256 -e signal=none \
        -e trace=%file,%network,%process,memfd_create,shmget \
        -o "$trace" "$exe" &
    tracer=$!
    menu=$(wait_for 'Quillory 1.0')
    click "$menu" 150 152                       # Test
    test=$(wait_for 'Verb test')
    click "$test" 188 84                        # the past-tense box
    xdotool type --delay 30 'arose'
    click "$test" 56 176                        # Check Past Tense
    box=$(wait_for 'Quillory')                  # the message box
    xdotool windowfocus --sync "$box" key Return  # OK
    sleep 0.3
    click "$test" 264 224                       # Back to main menu
    menu=$(wait_for 'Quillory 1.0')
    click "$menu" 251 152                       # Exit
    box=$(wait_for 'Quillory')                  # the farewell
    xdotool windowfocus --sync "$box" key Return  # OK: the run ends
    for _ in $(seq 100); do
        kill -0 "$tracer" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$tracer" 2>/dev/null; then
        echo "the program did not end after the farewell" >&2
        kill "$tracer"
        exit 1
    fi
    wait "$tracer"
    exit $?
fi

# --- Setting up, running and reading the trace. ------------------------------
exe=$(realpath "${1:-build/default/app/quillory}")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/home" "$work/runtime" "$work/trace"
chmod 700 "$work/runtime"

echo "Driving $exe on Xvfb under strace"
failures=()
if ! env -i PATH=/usr/bin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
    LANG=C.UTF-8 QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" \
    "$0" --session "$exe" "$work/trace/t"; then
    failures+=("the session did not run through")
fi

traces=("$work"/trace/t.*)
# Whatever the program started and is still running goes now (each trace
# file is named after the process or thread it followed).
for file in "${traces[@]}"; do
    pid=${file##*.}
    if kill -0 "$pid" 2>/dev/null; then
        failures+=("still running after the program ended: process $pid")
        kill "$pid" 2>/dev/null || true
    fi
done
calls=$(cat "${traces[@]}" | wc -l)

# Successful calls only: "= -1 E..." created or changed nothing.
ok() { grep -hvE '= -1 E[A-Z]+' "${traces[@]}" | grep -E "$1" || true; }

writes=$(ok '^(open|openat|openat2|creat)\(' | grep -E 'O_(WRONLY|RDWR|CREAT|TRUNC|APPEND)|^creat' \
    | grep -vE '"/dev/(null|dri/[a-zA-Z0-9]+)"' || true)
[ -z "$writes" ] || failures+=("files opened for writing:" "$writes")
changes=$(ok '^(mkdir|mkdirat|rename|renameat|renameat2|unlink|unlinkat|rmdir|link|linkat|symlink|symlinkat|truncate|chmod|fchmodat|chown|fchownat|mknod|mknodat|utimensat)\(')
[ -z "$changes" ] || failures+=("files or folders created or changed:" "$changes")
starts=$(grep -hE '^(execve|execveat)\(' "${traces[@]}" | grep -vF "\"$exe\"" || true)
[ -z "$starts" ] || failures+=("processes started:" "$starts")
forks=$(grep -hE '^(fork|vfork)\(|^clone3?\(' "${traces[@]}" | grep -v 'CLONE_THREAD' || true)
[ -z "$forks" ] || failures+=("processes forked:" "$forks")
sockets=$(grep -hE '^socket(pair)?\(' "${traces[@]}" || true)
display=$(grep -hE '^connect\(.*sun_path=@?"/tmp/\.X11-unix/X[0-9]+"' "${traces[@]}" || true)
others=$(grep -hE '^(connect|bind|listen|sendto|sendmsg|accept4?)\(' "${traces[@]}" \
    | grep -vE 'sun_path=@?"/tmp/\.X11-unix/X[0-9]+"' | grep -vE '^sendmsg\([0-9]+, \{msg_name=NULL' || true)
socket_count=$(printf '%s' "$sockets" | grep -c . || true)
display_count=$(printf '%s' "$display" | grep -c . || true)
if [ "$socket_count" != 1 ] || [ "$display_count" != 1 ]; then
    failures+=("sockets other than the display connection:" "$sockets" "$display")
fi
[ -z "$others" ] || failures+=("network calls other than to the display:" "$others")
left=$(find "$work/home" "$work/runtime" -mindepth 1)
[ -z "$left" ] || failures+=("left in the home or runtime folder:" "$left")

reads=$(grep -hE '^(open|openat)\(' "${traces[@]}" | grep -vc '= -1 E' || true)
checks=$(grep -hE '^mkdir\(' "${traces[@]}" | grep -c 'EEXIST' || true)
echo "Trace: ${#traces[@]} threads, $calls calls traced; $reads files opened for reading;" \
    "$socket_count socket ($display_count to the X display);" \
    "$checks mkdir that found its folder there (Qt's runtime-folder check)"
if [ ${#failures[@]} -ne 0 ]; then
    printf '%s\n' "FAILED: the program left traces" "${failures[@]}" >&2
    exit 1
fi
echo "No file written, no file or folder created, no process started, no socket but the display's."
