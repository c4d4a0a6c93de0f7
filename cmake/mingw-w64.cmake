# Cross-builds the Windows program with Debian's MinGW-w64 compilers, for the
# processor and compiler prefix that the including toolchain file sets.
# The win32-threads variant: nothing here starts a thread, and the
# posix-threads runtime would link winpthreads into every program, which
# imports GetTickCount64, a function Windows XP lacks.
set(CMAKE_SYSTEM_NAME Windows)

set(CMAKE_C_COMPILER ${QUILLORY_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${QUILLORY_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${QUILLORY_MINGW_PREFIX}-windres)
set(CMAKE_OBJDUMP ${QUILLORY_MINGW_PREFIX}-objdump CACHE FILEPATH "objdump for PE files")

# One thread only, so a function's static needs no lock as it is made: the
# C++ runtime's lock for it (GCC 13 on, win32 threads) waits on Vista's
# condition variables, which Windows XP lacks.
set(CMAKE_CXX_FLAGS_INIT "-fno-threadsafe-statics")
# Every program carries its C and C++ runtimes, so it needs no DLL that does
# not ship with Windows; unused sections of them are left out.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++ -Wl,--gc-sections")

# Programs built here run on this machine through the `wine` found on the
# PATH when they run: scripts/with-wine.sh puts the loader there that this
# machine can run.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
