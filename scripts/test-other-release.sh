#!/usr/bin/env bash
# Runs the README's test command, then the package check and the benchmarks'
# build, in a fresh minimal Debian of the other supported release (12
# "bookworm" and 13 "trixie": on one, the other), as a new learner's machine
# would be: no desktop, no session bus, only what the scripts install. The
# tree is a clone of this checkout's HEAD. Everything is made in build/, and
# unmounted and deleted at the end, whatever happened. Needs root and
# debootstrap (installed here when missing).
# Usage: scripts/test-other-release.sh [bookworm|trixie]
set -euo pipefail
cd "$(dirname "$0")/.."

. /etc/os-release
case "${1:-}" in
"") release=$([ "$VERSION_CODENAME" = trixie ] && echo bookworm || echo trixie) ;;
bookworm | trixie) release=$1 ;;
*) echo "usage: $0 [bookworm|trixie]" >&2 && exit 2 ;;
esac
[ "$(id -u)" -eq 0 ] || { echo "$0 makes a chroot, and needs root" >&2; exit 1; }
scripts/install-deps.sh debootstrap

mkdir -p build
root=$(realpath -m "build/debian-$release")
mounts=(proc sys dev dev/pts dev/shm)
# Ends what still runs in the chroot (a display server, a Wine server), then
# unmounts, innermost first, and deletes it.
clean_up() {
    local process
    for process in /proc/[0-9]*; do
        [ "$(readlink "$process/root" 2>/dev/null)" = "$root" ] && kill -9 "${process#/proc/}" 2>/dev/null
    done
    local index
    for ((index = ${#mounts[@]} - 1; index >= 0; index--)); do
        mountpoint -q "$root/${mounts[index]}" && umount -l "$root/${mounts[index]}"
    done
    rm -rf --one-file-system "$root"
}
trap clean_up EXIT
clean_up

echo "=== a fresh Debian $release in $root"
started=$SECONDS
for attempt in 1 2; do
    debootstrap --variant=minbase --include=ca-certificates,git,sudo "$release" "$root" \
        >"$root.log" 2>&1 && break
    tail -n 5 "$root.log"
    [ "$attempt" -eq 2 ] && exit 1
    echo "debootstrap failed; trying again in 30 s" && sleep 30 && clean_up
done
rm -f "$root.log"
# The release's updates and security archives beside the one debootstrap used.
read -r _ mirror _ < <(grep -m1 '^deb ' "$root/etc/apt/sources.list")
cat >"$root/etc/apt/sources.list" <<EOF
deb $mirror $release main
deb $mirror $release-updates main
deb ${mirror%/}-security $release-security main
EOF
cp /etc/resolv.conf "$root/etc/resolv.conf"
for mount in "${mounts[@]}"; do mount --bind "/$mount" "$root/$mount"; done
git clone -q "$PWD" "$root/root/quillory"
echo "Ready in $((SECONDS - started)) s"

in_chroot() {
    chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
        /bin/bash -c "cd /root/quillory && $1" </dev/null
}
status=0
in_chroot scripts/test.sh || status=1
echo "=== the Debian $release package"
in_chroot "scripts/check-package.sh && cmake --build --preset release" || status=1
echo "Debian $release: $([ $status -eq 0 ] && echo passed || echo FAILED) in $((SECONDS - started)) s"
exit $status
