#pragma once

// Read before anything else in every file of the Windows build (-include).
// From GCC 13 on, MinGW-w64's C++ library (win32 threads) declares its
// condition variables, which its <atomic> and <memory> name, only where the
// target is Vista or newer (_WIN32_WINNT 0x0600). Their calls are defined in
// libgcc on Vista's condition variable API and reach the program only if it
// waits on one, which it never does: the import check on the built program
// (tests/win32_exe) would refuse it. So the C++ library is read once here for
// Vista; it keeps what it declared, and the Windows headers that follow read
// the target given on the command line, Windows XP's.
#if defined(__GNUC__) && __GNUC__ >= 13
#pragma push_macro("_WIN32_WINNT")
#undef _WIN32_WINNT
#define _WIN32_WINNT 0x0600
#include <atomic>
#pragma pop_macro("_WIN32_WINNT")
#endif
