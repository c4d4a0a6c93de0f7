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
    exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bench/run.sh "$pairs"
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

# One launch: appends "map_ms paint_ms vmhwm_kb" to the named file.
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

# The median of one column of a results file.
median() {
    cut -d' ' -f"$2" "$1" | sort -g |
        awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}

row() {
    local name=$1 column=$2 unit=$3
    local q f
    q=$(median "$work/quillory" "$column")
    f=$(median "$work/floor" "$column")
    awk -v n="$name" -v q="$q" -v f="$f" -v u="$unit" \
        'BEGIN { printf "%-28s %10.2f %10.2f %8.3f  %s\n", n, q, f, q / f, u }'
}

echo
printf "%-28s %10s %10s %8s\n" "median of $pairs launches" quillory floor ratio
row "window mapped" 1 ms
row "first frame painted" 2 ms
row "peak resident (VmHWM)" 3 KiB

echo
"$build/bench/quillory_benchmarks" --benchmark_min_time=0.5

echo
exe=build/windows/app/quillory.exe
if [ -f "$exe" ]; then
    echo "$exe: $(stat -c %s "$exe") bytes; imports:"
    i686-w64-mingw32-objdump -p "$exe" | awk '/DLL Name:/ { print "    " $3 }'
else
    echo "$exe: not built"
fi
