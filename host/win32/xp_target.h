#pragma once

// Read first in every file of the Windows build (-include): the Windows
// headers declare what Windows XP SP3 has, and no newer call or structure.
//
// From GCC 13 on, MinGW-w64's C++ library (win32 threads) declares its
// condition variables, which its <atomic> and <memory> name, only where the
// target is Vista or newer. Their calls are defined in libgcc on Vista's
// condition variable API and reach the program only if it waits on one,
// which it never does: the import check on the built program (tests/win32_exe)
// would refuse it. So the C++ library is read first, for the compiler's own
// target, and keeps what it declared; the Windows headers then read XP's.
#if defined(__GNUC__) && __GNUC__ >= 13
#include <atomic>
#endif

#undef _WIN32_WINNT
#undef WINVER
#define _WIN32_WINNT 0x0501
#define WINVER 0x0501
