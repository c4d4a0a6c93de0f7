#!/bin/sh
# Runs the scenarios under Windows' High Contrast Black or White, set as the
# control panel sets it: the system's colours and the high-contrast flag in
# the registry, and no visual style. The keys are put back afterwards.
# Usage: high_contrast.sh WINE TEST-PROGRAM black|white
set -eu
wine=$1 saved=$(mktemp -d)
reg() { "$wine" reg "$@" </dev/null >/dev/null 2>&1; }
colours='HKCU\Control Panel\Colors' style='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
contrast='HKCU\Control Panel\Accessibility\HighContrast'
reg export "$colours" "$("$wine" winepath -w "$saved/colours.reg")"
trap 'reg import "$("$wine" winepath -w "$saved/colours.reg")"; rm -rf "$saved"
    reg add "$style" /v ThemeActive /d 1 /f; reg add "$contrast" /v Flags /d 126 /f' EXIT
ink="255 255 255" paper="0 0 0"
[ "$3" = black ] || { ink="0 0 0" paper="255 255 255"; }
for name in ButtonFace:"$paper" Window:"$paper" ButtonText:"$ink" WindowText:"$ink"; do
    reg add "$colours" /v "${name%%:*}" /d "${name#*:}" /f
done
reg add "$contrast" /v Flags /d 127 /f && reg add "$style" /v ThemeActive /d 0 /f
QUILLORY_APPEARANCE="high-contrast-$3" "$wine" "$2" --gtest_filter='Learner/*'
