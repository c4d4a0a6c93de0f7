#!/usr/bin/env bash
# Measures Quillory against the toolkit's floor (bench/floor.cpp) on Wayland,
# under a private headless compositor, alternating the two programs pair
# after pair: the time from the spawn to the first frame the program hands
# the compositor (the first wl_surface.commit after a buffer is attached,
# read from the client library's own WAYLAND_DEBUG trace and its
# timestamps), the CPU time until then, and the peak resident memory.
#
#     bench/wayland.sh [pairs] [mutter|sway]
#
# (default 30 pairs, after 3 warm-up pairs, on mutter: scripts/on-wayland.sh;
# sway, which frames windows itself, is scripts/on-sway.sh). Both programs get
# the environment the script is started with, so
#     QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=none bench/wayland.sh
# measures them without Qt's EGL client-buffer integration, and
#     QT_WAYLAND_CLIENT_BUFFER_INTEGRATION=wayland-egl bench/wayland.sh 30 sway
# with it where the program would go without.
set -euo pipefail
cd "$(dirname "$0")/.."
pairs="${1:-30}"
compositor="${2:-mutter}"
warmup=3
case $compositor in
mutter) on_compositor=scripts/on-wayland.sh ;;
sway) on_compositor=scripts/on-sway.sh ;;
*) echo "Usage: $0 [pairs] [mutter|sway]" >&2; exit 2 ;;
esac

if [ "${QUILLORY_BENCH_INSIDE_WAYLAND:-}" != 1 ]; then
    scripts/install-deps.sh
    cmake --preset release >/dev/null
    cmake --build --preset release --target quillory floor
    export QUILLORY_BENCH_INSIDE_WAYLAND=1
    exec "$on_compositor" bench/wayland.sh "$pairs" "$compositor"
fi

build=build/release
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The program's CPU time in ms, all threads (the scheduler's ns counts).
cpu_ms() {
    cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ ns += $1 } END { printf "%.2f", ns / 1e6 }'
}

# One launch: appends "frame_ms vmhwm_kb cpu_ms" to the named file. The
# trace stamps each message with the real-time clock's microseconds, cut to
# 32 bits, as milliseconds.
launch() {
    mkfifo "$work/trace"
    local start pid line attached="" frame="" cpu
    start=$(date +%s%6N)
    WAYLAND_DEBUG=client "$1" 2>"$work/trace" &
    pid=$!
    exec 3<"$work/trace"
    while IFS= read -r -u 3 line; do
        case "$line" in
        *"-> wl_surface"[@#]*".attach(wl_buffer"[@#]*) attached=1 ;;  # libwayland 1.23 writes #
        *"-> wl_surface"[@#]*".commit()"*)
            if [ -n "$attached" ]; then
                frame=$(sed 's/^\[ *\([0-9]*\)\.\([0-9]*\)\].*/\1\2/' <<<"$line")
                cpu=$(cpu_ms "$pid")
                break
            fi
            ;;
        esac
    done
    cat <&3 >/dev/null &  # the program goes on writing until it is stopped
    exec 3<&-
    sleep 0.3                       # as bench/launch_probe: memory once the frame has settled
    local hwm
    hwm=$(awk '/^VmHWM/ { print $2 }' /proc/"$pid"/status)
    kill "$pid"
    wait "$pid" 2>/dev/null || true
    rm -f "$work/trace"
    awk -v f="$frame" -v s="$start" -v h="$hwm" -v c="$cpu" 'BEGIN {
        ms = f / 1000 - (s % 4294967296) / 1000
        printf "%.2f %d %s\n", ms < 0 ? ms + 4294967.296 : ms, h, c }' >>"$2"
}

echo "Launching $build/app/quillory and $build/bench/floor alternately on Wayland ($compositor):" \
    "$warmup warm-up pairs, $pairs measured"
for ((i = 0; i < warmup; i++)); do
    launch "$build/bench/floor" /dev/null
    launch "$build/app/quillory" /dev/null
done
for ((i = 0; i < pairs; i++)); do
    launch "$build/bench/floor" "$work/floor"
    launch "$build/app/quillory" "$work/quillory"
done

source bench/medians.sh
echo
echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) memory"
printf "%-24s %10s %10s %7s %7s\n" "median of $pairs" quillory floor ratio "pair r."
row "first frame committed" 1 ms
row "CPU time until then" 3 ms
row "peak resident (VmHWM)" 2 KiB
