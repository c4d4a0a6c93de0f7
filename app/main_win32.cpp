#include <windows.h>

#include "app/program_windows.h"
#include "host/win32/win32_toolkit.h"

// The program reads no command line.
int WINAPI wWinMain(HINSTANCE /*instance*/, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int /*show*/) {
    quillory::win32::limitLibrarySearch();  // before anything loads a library
    quillory::win32::Win32Toolkit toolkit;
    quillory::WindowHost host(toolkit, quillory::makeWindows());
    host.start(quillory::WindowId::Form1);
    return quillory::win32::runMessageLoop();
}
