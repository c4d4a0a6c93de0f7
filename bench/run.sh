#!/usr/bin/env bash
# Measures Quillory against the toolkit's floor (bench/floor.cpp): start-up
# until the main menu's first frame is on screen, and peak resident memory,
# under a private Xvfb, alternating the two programs pair after pair. Then runs
# the micro-benchmarks and prints the Windows build's size and imported DLLs.
#
#     bench/run.sh [pairs]      (default 30 pairs, after 3 warm-up pairs)
set -euo pipefail
cd "$(dirname "$0")/.."
pairs="${1:-30}"
warmup=3

if [ "${QUILLORY_BENCH_INSIDE_X:-}" != 1 ]; then
    scripts/install-deps.sh
    cmake --preset release >/dev/null
    cmake --build --preset release
    export QUILLORY_BENCH_INSIDE_X=1
    exec scripts/on-xvfb.sh bench/run.sh "$pairs"
fi

build=build/release
program=$build/app/quillory
floor=$build/bench/floor
probe=$build/bench/launch_probe

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_RUNTIME_DIR=$work/runtime
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset QT_QPA_PLATFORM

# One launch: appends "map_ms paint_ms vmhwm_kb cpu_ms" to the named file.
launch() {
    "$probe" "$1" >>"$2"
}

echo "Launching $program and $floor alternately: $warmup warm-up pairs, $pairs measured"
for ((i = 0; i < warmup; i++)); do
    launch "$floor" /dev/null
    launch "$program" /dev/null
done
for ((i = 0; i < pairs; i++)); do
    launch "$floor" "$work/floor"
    launch "$program" "$work/quillory"
done

source bench/medians.sh

echo
echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //')," \
    "$(awk '/MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo) memory"
printf "%-24s %10s %10s %7s %7s\n" "median of $pairs" quillory floor ratio "pair r."
row "window mapped" 1 ms
row "first frame painted" 2 ms
row "CPU time until painted" 4 ms
row "peak resident (VmHWM)" 3 KiB

echo
"$build/bench/quillory_benchmarks" --benchmark_min_time=0.5

echo
exe=build/windows/app/quillory.exe
if [ -f "$exe" ]; then
    size=$(stat -c %s "$exe")
    echo "$exe: $size bytes ($((size / 1024)) KiB); imports:"
    i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print "    " $3 }'
else
    echo "$exe: not built"
fi
