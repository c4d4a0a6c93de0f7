// Parts of MinGW-w64's static runtime that the program brings itself, linked
// before the runtime's libraries so that theirs are never pulled in.
#include <windows.h>

#include <cstdlib>
#include <exception>

// The runtime's handler writes an uncaught exception's type to standard error,
// which a windowed program lacks, and brings the demangler (some 55 KB).
void __gnu_cxx::__verbose_terminate_handler() { std::abort(); }

// From GCC 13 on, MinGW-w64's runtime (libgcc's win32 threads) imports
// GetThreadId, which 32-bit Windows XP lacks, so XP would refuse to start
// the program; it compares threads with it, which a program of one thread
// never does. This import slot stands in for kernel32's and looks it up.
#if defined(__GNUC__) && __GNUC__ >= 13 && defined(__i386__)

namespace {

using GetThreadIdFunction = DWORD(WINAPI*)(HANDLE);

DWORD WINAPI threadIdWhereKnown(HANDLE thread) {
    const FARPROC found = GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "GetThreadId");
    const auto getThreadId =
        reinterpret_cast<GetThreadIdFunction>(reinterpret_cast<void (*)()>(found));
    return getThreadId != nullptr ? getThreadId(thread) : 0;
}

}  // namespace

extern "C" {
GetThreadIdFunction quilloryGetThreadIdSlot __asm__("__imp__GetThreadId@4") = threadIdWhereKnown;
}
#endif
