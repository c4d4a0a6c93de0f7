#!/usr/bin/env bash
# Installs the Debian packages Quillory needs (Debian 12 and 13 name them
# alike), skipping those already present. Runs apt-get as root, or through
# sudo. A mirror in the middle of a sync may serve an index that cannot be
# read: the update is tried again, then the lists apt has are used, and only
# a needed package that cannot be installed stops it, named.
# Usage: scripts/install-deps.sh [--run] [PACKAGE...]
#   --run     only what building and running the program needs: the
#             compiler, CMake, Qt and the font
#   (none)    that and everything the tests, benchmarks and packaging need
#   PACKAGE   more packages besides (scripts/screenshots.sh asks for its own)
# The Windows program is cross-built with MinGW-w64 and tested under Wine.
# Where this machine runs 32-bit programs (scripts/runs-32-bit.sh), Wine's
# 32-bit loader comes from the i386 architecture, with the fonts and X
# libraries Wine only recommends; elsewhere its 64-bit loader runs the
# program's 64-bit build, cross-built too.
set -euo pipefail

# Building and running the program: Qt Widgets (and Qt's own interface to
# the display, for waiting on it), the Wayland client library's headers,
# rsvg-convert for the icon the program carries, and Liberation Sans, the
# face the layouts were drawn for (qt6-base-dev brings the display plugins).
run_packages=(
    cmake ninja-build g++
    qt6-base-dev qt6-base-private-dev libgl-dev libwayland-dev librsvg2-bin fonts-liberation
)
test_packages=(
    pkg-config fonts-dejavu-core
    libgtest-dev
    # a real X server for the tests, and what drives and traces the program there
    xvfb xdotool strace
    # GNOME's dark theme for Qt, in which the labels are read
    adwaita-qt6
    # GNOME's Wayland compositor, headless, with a session bus, and Qt's client for
    # it; and sway, a compositor that frames windows itself
    mutter qt6-wayland sway
    # the benchmarks
    libbenchmark-dev libx11-dev libxdamage-dev binutils-mingw-w64-i686
    # the Debian package, its dependencies and Debian's own check of it, the
    # Windows icon's packer, the Windows installer's maker
    dpkg-dev file lintian python3 nsis
    # checks of the desktop entry and metadata
    desktop-file-utils appstream
    # a real screen reader, its session bus and its speech, sent to no sound card
    orca at-spi2-core dbus-daemon speech-dispatcher speech-dispatcher-espeak-ng
    speech-dispatcher-audio-plugins x11-xserver-utils
    # the Windows program: MinGW-w64, GoogleTest's sources, and Wine to test it
    g++-mingw-w64-i686 googletest wine fonts-wine
)
wine32_packages=(
    wine32:i386 libfreetype6:i386 libfontconfig1:i386 libxrender1:i386 libxrandr2:i386
    libxinerama1:i386 libxcursor1:i386 libxi6:i386
)
wine64_packages=(wine64 g++-mingw-w64-x86-64-win32)

packages=("${run_packages[@]}")
goal="build and run Quillory"
if [ "${1:-}" = --run ]; then
    shift
else
    goal="build and test Quillory"
    packages+=("${test_packages[@]}")
    if "$(dirname "$0")/runs-32-bit.sh"; then
        packages+=("${wine32_packages[@]}")
    else
        packages+=("${wine64_packages[@]}")
    fi
fi
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

[ ${#missing[@]} -gt 0 ] || exit 0

# Say plainly what is wrong where nothing can be installed, rather than
# leaving CMake to fail over what it cannot find.
fail() {
    echo "$1" >&2
    echo "These Debian packages, needed to $goal, are missing:" >&2
    echo "    ${missing[*]}" >&2
    echo "Install them (as root: apt-get install ${missing[*]}), or run $0 as root or with sudo." >&2
    exit 1
}
if ! command -v apt-get >/dev/null || ! command -v dpkg >/dev/null; then
    fail "There is no apt-get here, so the packages cannot be installed."
fi
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        fail "You are not root and there is no sudo, so the packages cannot be installed."
    fi
    if ! sudo -v; then
        fail "sudo did not let you install packages."
    fi
    sudo=(sudo)
fi

echo "Installing ${#missing[@]} packages (and what they depend on) to $goal: ${missing[*]}"
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    echo "Adding the i386 architecture, for Wine's 32-bit libraries"
    "${sudo[@]}" dpkg --add-architecture i386
fi

# Three tries, a pause between them; then on with the lists apt already has.
update_lists() {
    local log attempt
    log=$(mktemp)
    for attempt in 1 2 3; do
        if "${sudo[@]}" apt-get update -q >"$log" 2>&1; then
            rm -f "$log"
            return
        fi
        [ "$attempt" -eq 3 ] || { echo "apt-get update failed; trying again in $((attempt * 15)) s"; sleep $((attempt * 15)); }
    done
    echo "apt-get update failed three times. Going on with the package lists apt has; what could not be read:"
    grep -E '^(E|W):' "$log" | sed 's/^/    /'
    rm -f "$log"
}

install() {
    "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -q -y --no-install-recommends "$@"
}

# Names each package apt cannot install, with apt's reason, and stops.
name_the_uninstallable() {
    local package failed=()
    for package in "$@"; do
        if ! "${sudo[@]}" apt-get install -s -q --no-install-recommends "$package" >/dev/null 2>&1; then
            failed+=("$package")
        fi
    done
    if [ ${#failed[@]} -eq 0 ]; then
        echo "apt cannot install these packages together, needed to $goal: $*" >&2
    else
        echo "These packages, needed to $goal, cannot be installed: ${failed[*]}" >&2
    fi
    echo "apt's reasons are above; the package lists may be old or the mirror in a sync." >&2
    exit 1
}

update_lists
install "${missing[@]}" && exit 0
# Where Wine's 32-bit packages cannot be had (a mirror whose architectures
# disagree on a shared library's version, say), the 64-bit ones stand in:
# the tests then run the Windows program's 64-bit build.
rest=()
for package in "${missing[@]}"; do
    [[ " ${wine32_packages[*]} " == *" $package "* ]] || rest+=("$package")
done
if [ ${#rest[@]} -lt ${#missing[@]} ]; then
    echo "Wine's 32-bit packages cannot be installed today: installing its 64-bit ones instead."
    echo "The Windows program's tests will run its 64-bit build under Wine."
    rest+=("${wine64_packages[@]}")
    install "${rest[@]}" && exit 0
fi
name_the_uninstallable "${rest[@]}"
