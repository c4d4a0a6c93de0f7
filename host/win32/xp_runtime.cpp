// From GCC 13 on, MinGW-w64's runtime (libgcc's win32 threads, which the C++
// library's exception handling links) imports GetThreadId, a function that
// 32-bit Windows XP lacks, so XP would refuse to start the program. It calls
// it only to compare threads, which the program, with one thread, never
// does. This import slot, linked before the runtime, stands in for
// kernel32's: it looks the function up when first called.
#if defined(__GNUC__) && __GNUC__ >= 13 && defined(__i386__)
#include <windows.h>

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
