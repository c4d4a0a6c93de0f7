// Parts of MinGW-w64's static runtime that the program brings itself, linked
// into the program before the runtime's libraries, so theirs are never
// pulled in.
#include <windows.h>

#include <cstdlib>
#include <exception>

// On an exception nothing catches, the runtime's handler writes the
// exception's type to standard error, which a windowed program does not have,
// and brings the C++ name demangler with it (some 55 KB). The program just
// ends, as it would after that.
void __gnu_cxx::__verbose_terminate_handler() { std::abort(); }

// From GCC 13 on, MinGW-w64's runtime (libgcc's win32 threads, which the C++
// library's exception handling links) imports GetThreadId, a function that
// 32-bit Windows XP lacks, so XP would refuse to start the program. It calls
// it only to compare threads, which the program, with one thread, never
// does. This import slot stands in for kernel32's: it looks the function up
// when called.
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
