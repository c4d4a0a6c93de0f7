#!/usr/bin/env bash
# Writes cmake/windows-xp-imports.txt, the functions the Windows program may
# import: for each DLL it imports from, what MinGW-w64's import library
# exports and its headers still declare for Windows XP (_WIN32_WINNT and
# WINVER 0x0501), less the newer functions the headers declare regardless.
# Rerun it when the program starts to import from another DLL.
set -euo pipefail
cd "$(dirname "$0")/.."
lib=/usr/i686-w64-mingw32/lib
dlls=(comctl32 gdi32 kernel32 msvcrt user32)

# Newer than Windows XP SP3's, though declared for it: the secure (_s) and
# per-locale (_l, _p) C runtime functions of Vista's msvcrt, its 32-bit time
# functions, and a few of kernel32 and user32.
newer='(_s|_s_l|_l|_p|32|32i64)$|^(_get_heap_handle|_set_SSE2_enable|_mbstrnlen|wcsnlen)$'
newer+='|^(AddDllDirectory|RemoveDllDirectory|SetDefaultDllDirectories|CreateRemoteThreadEx)$'
newer+='|^(GetCurrentProcessorNumber|GetThreadId|ReOpenFile|SetThreadStackGuarantee|Wow64.*)$'
newer+='|DpiChangeBehavior$|^(ShutdownBlockReason.*|UpdateLayeredWindowIndirect)$'

# The C runtime's start-up entries and variables, which no header declares.
startup=(__getmainargs __wgetmainargs __set_app_type __p__commode _initterm _amsg_exit
    __winitenv __initenv _iob __mb_cur_max _acmdln _wcmdln _fmode _commode __dllonexit)

declared=$({
    printf '#include <%s>\n' windows.h commctrl.h stdio.h stdlib.h string.h wchar.h locale.h \
        signal.h io.h errno.h math.h time.h ctype.h process.h |
        i686-w64-mingw32-gcc-win32 -E -P -x c -D_WIN32_WINNT=0x0501 -DWINVER=0x0501 \
            -D__MSVCRT_VERSION__=0x0700 -DUNICODE - | tr -c 'A-Za-z0-9_\n' '\n'
    printf '%s\n' "${startup[@]}"
} | sort -u)
{
    echo "# The functions Windows XP SP3 exports, per DLL, that the Windows program may"
    echo "# import (cmake/check-windows-program.cmake). Made by scripts/windows-xp-imports.sh."
    for dll in "${dlls[@]}"; do
        nm "$lib/lib$dll.a" 2>/dev/null |
            awk '$2 == "I" && $3 ~ /^__imp__/ { s = substr($3, 8); sub(/@[0-9]+$/, "", s); print s }' |
            sort -u | comm -12 - <(echo "$declared") | grep -Ev "$newer" | sed "s/^/$dll.dll /"
    done
} >cmake/windows-xp-imports.txt
wc -l cmake/windows-xp-imports.txt
