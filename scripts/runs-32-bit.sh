#!/usr/bin/env bash
# Succeeds when this machine runs 32-bit x86 programs, which the 32-bit
# Windows program needs of Wine. Some kernels have no IA-32 emulation (some
# virtual machines): there the Windows program's tests use its 64-bit build
# under Wine's 64-bit loader. With --wine it succeeds only where Wine's
# 32-bit loader is installed too: on a day when the mirror's architectures
# disagree on a version, the 32-bit packages cannot be installed, and the
# tests take the 64-bit build as well. Every script that chooses between the
# two asks here.
# The question is put to the kernel itself, with the smallest 32-bit Linux
# program (an ELF header, one program header, and exit(0) through int 0x80),
# so the answer needs nothing installed.
set -euo pipefail
if [ "${1:-}" = --wine ] &&
    ! dpkg-query -W -f='${Status}' wine32:i386 2>/dev/null | grep -q "install ok installed"; then
    exit 1
fi
program=$(mktemp)
trap 'rm -f "$program"' EXIT
# The ELF header: 32-bit, little-endian, an i386 executable entered at 0x08048054.
header='\x7fELF\x01\x01\x01\0\0\0\0\0\0\0\0\0\x02\0\x03\0\x01\0\0\0\x54\x80\x04\x08'
header+='\x34\0\0\0\0\0\0\0\0\0\0\0\x34\0\x20\0\x01\0\0\0\0\0\0\0'
# One segment: the file's 91 bytes, loaded at 0x08048000, readable and executable.
segment='\x01\0\0\0\0\0\0\0\0\x80\x04\x08\0\x80\x04\x08\x5b\0\0\0\x5b\0\0\0\x05\0\0\0\0\x10\0\0'
code='\x31\xdb\x31\xc0\x40\xcd\x80' # xor ebx, ebx; xor eax, eax; inc eax; int 0x80
printf "$header$segment$code" >"$program"
chmod +x "$program"
"$program" 2>/dev/null
