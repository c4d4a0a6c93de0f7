#pragma once

// Read first in every file of the Windows build (-include): the Windows
// headers declare what Windows XP SP3 has, and no newer call or structure.
//
// From GCC 13 on, MinGW-w64's C++ library (win32 threads) declares the
// condition variables its <atomic> and <memory> name only for Vista or newer.
// The program never waits on one (tests/win32_exe checks its imports), so the
// C++ library is read first, for the compiler's own target; the Windows
// headers then read XP's.
#if defined(__GNUC__) && __GNUC__ >= 13
#include <atomic>
#endif

#undef _WIN32_WINNT
#undef WINVER
#define _WIN32_WINNT 0x0501
#define WINVER 0x0501
