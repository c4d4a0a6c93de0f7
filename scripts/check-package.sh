#!/usr/bin/env bash
# Makes the Debian package (scripts/package.sh), has lintian check the
# package as Debian checks its own, installs it with apt as a learner would,
# starts the installed program on a virtual display and sees its menu. The
# package is removed again afterwards. (The menu entry and the metadata are
# validated by ctest: the entry in the source, both in an installed tree.)
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/package.sh
deb=$(ls build/release/quillory_*.deb)

# The package's triggers, the program and lintian (which leaves its scratch
# files in TMPDIR) write in a folder of their own, removed afterwards.
home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT

# Any error or warning fails; lintian's informational tags do not.
TMPDIR="$home" lintian --fail-on error,warning "$deb"
echo "lintian finds no error and no warning in $deb."

sudo=$([ "$(id -u)" -eq 0 ] || echo sudo)
apt() { $sudo env HOME="$home" DEBIAN_FRONTEND=noninteractive apt-get "$@"; }
apt install -y "./$deb"
trap 'apt remove -y quillory >/dev/null; rm -rf "$home"' EXIT

# The installed program starts and shows its menu; the scenarios check the rest.
HOME="$home" QT_QPA_PLATFORM=xcb scripts/on-xvfb.sh sh -c 'quillory & program=$!
    timeout 30 xdotool search --sync --onlyvisible --name "^Quillory 1\.0$" && kill "$program"'
echo "The package installs and the installed program starts."
