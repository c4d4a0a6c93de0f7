#!/usr/bin/env bash
# Makes the Windows installer and checks it under Wine in a private prefix
# (scripts/with-wine.sh): installed silently (/S), it puts the program in
# Program Files with a Start-menu entry and an Add or Remove Programs entry;
# uninstalled silently, it leaves no file, shortcut or key of them behind.
# Expects the `windows` preset to be built (scripts/test.sh windows) and,
# where Wine runs no 32-bit programs, the `windows64` one too, whose
# installer it checks instead: the same script made for 64 bits.
set -euo pipefail
cd "$(dirname "$0")/.."
source tests/gui/keys.sh  # for eventually
if [ -z "${QUILLORY_INSTALLER_PRESET:-}" ]; then
    cmake --build --preset windows --target installer  # the one shipped, made everywhere
    export QUILLORY_INSTALLER_PRESET=windows
    if ! scripts/runs-32-bit.sh --wine; then
        echo "Wine runs no 32-bit programs here: checking the 64-bit build's installer."
        QUILLORY_INSTALLER_PRESET=windows64
        cmake --build --preset windows64 --target installer
    fi
    exec scripts/with-wine.sh "$0"
fi

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Quillory"
entry='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quillory'
fail() { echo "$1" >&2; exit 1; }
# Every file but the temporary ones: the uninstaller works from a copy there.
files() { find "$drive" -path "$drive/users/*/Temp" -prune -o -print | sort; }

before=$(files)
wine build/$QUILLORY_INSTALLER_PRESET/quillory-*-windows-setup.exe /S
for file in quillory.exe README.txt LICENSE.txt; do
    [ -f "$folder/$file" ] || fail "The installer did not install $file."
done
# Wine.NothingWritten runs the built one: it must be the one shipped.
cmp -s "$folder/quillory.exe" "build/$QUILLORY_INSTALLER_PRESET/app/quillory.exe" ||
    fail "The installed quillory.exe is not the one built."
[ -f "$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/Quillory.lnk" ] ||
    fail "The installer made no Start-menu entry."
values=$(wine reg query "$entry")
for value in DisplayName DisplayVersion Publisher UninstallString DisplayIcon; do
    grep -Eq "^ +$value +REG_SZ +[^ ]" <<<"$values" || fail "$entry has no $value."
done
echo "Installed: the program, its Start-menu entry and $entry."

# The uninstaller returns at once and a copy of it does the work: wait until
# everything is gone, for a minute at most.
wine "$folder/Uninstall.exe" /S
gone() { [ "$(files)" = "$before" ] && ! wine reg query "$entry" >/dev/null 2>&1; }
eventually gone || { diff <(echo "$before") <(files) || true; fail "Left behind."; }
echo "Uninstalled: nothing of it is left."
