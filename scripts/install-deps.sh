#!/usr/bin/env bash
# Installs the Debian 12 packages Quillory needs to build, run and test,
# skipping those already present. Runs apt-get as root, or through sudo.
# The Windows program is cross-built with MinGW-w64 and tested under Wine,
# whose 32-bit loader comes from the i386 architecture; its fonts and the X
# libraries it draws and reads the screen with are only recommended by it.
set -euo pipefail

packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-base-private-dev libgl-dev fonts-dejavu-core fonts-liberation
    libgtest-dev libgmock-dev librapidcheck-dev
    xvfb xauth xdotool strace
    libbenchmark-dev libx11-dev libxdamage-dev binutils-mingw-w64-i686
    clang libclang-rt-14-dev
    # the icon's PNG sizes, the Debian package and its dependencies
    librsvg2-bin dpkg-dev file
    # checks of the desktop entry and metadata, and of the installed program
    desktop-file-utils appstream x11-utils
    # the screen-reader test: the accessibility bus and its Python bindings
    dbus-daemon at-spi2-core python3 python3-pyatspi python3-xlib
    # the Windows program: MinGW-w64, GoogleTest's sources, and Wine to test it
    g++-mingw-w64-i686 googletest wine wine32:i386
    fonts-wine libfreetype6:i386 libfontconfig1:i386 libxrender1:i386 libxrandr2:i386
    libxinerama1:i386 libxcursor1:i386 libxi6:i386
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
if [[ " ${missing[*]} " == *":i386 "* ]] && ! dpkg --print-foreign-architectures | grep -qx i386; then
    $sudo dpkg --add-architecture i386
fi
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
