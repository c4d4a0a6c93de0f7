#!/usr/bin/env bash
# Measures the Windows program against the Windows floor (bench/floor_win32.cpp,
# one fixed-size window with one button) under Wine on a private Xvfb:
# start-up until the main menu is mapped and its first frame painted, and peak
# resident memory, alternating the two programs pair after pair. Then prints
# quillory.exe's size and the DLLs it imports.
#
#     bench/windows.sh [pairs] [preset]   (default 30 pairs, after 3 warm-up
#                                          pairs; preset windows or windows64)
#
# windows64 measures the 64-bit builds of both, for a kernel that runs no
# 32-bit programs.
#
# Wine runs each program in one Linux process, which bench/launch_probe starts
# and watches from outside: the X window Wine maps for the main window, the
# damage the program draws into it, and the process's VmHWM. The Wine server
# and Wine's own services are started once, before the first launch, by
# scripts/with-wine.sh, and are shared by both programs.
set -euo pipefail
cd "$(dirname "$0")/.."
pairs="${1:-30}"
preset="${2:-windows}"
warmup=3

if [ "${QUILLORY_BENCH_INSIDE_WINE:-}" != 1 ]; then
    scripts/install-deps.sh
    cmake --preset "$preset" >/dev/null
    cmake --build --preset "$preset" --target quillory floor_win32
    cmake --preset release >/dev/null
    cmake --build --preset release --target launch_probe
    export QUILLORY_BENCH_INSIDE_WINE=1
    unset DISPLAY  # always a private Xvfb, never the desktop's display
    exec scripts/with-wine.sh bench/windows.sh "$pairs" "$preset"
fi

program=build/$preset/app/quillory.exe
floor=build/$preset/bench/floor_win32.exe
probe=build/release/bench/launch_probe
wine=$(command -v wine)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# One launch: appends "map_ms paint_ms vmhwm_kb cpu_ms" to the named file.
# With no window manager Wine makes its windows override-redirect.
launch() {
    "$probe" --override-redirect 1 "$wine" "$1" >>"$2"
}

echo "Launching $program and $floor alternately under $(wine --version):" \
    "$warmup warm-up pairs, $pairs measured"
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
size=$(stat -c %s "$program")
echo "$program: $size bytes ($((size / 1024)) KiB); imports:"
"$(sed -n 's/^CMAKE_OBJDUMP:FILEPATH=//p' "build/$preset/CMakeCache.txt")" -p "$program" | awk '/DLL Name:/ { print "    " $3 }'
