# The same program built for 64-bit Windows, so that its tests run under
# Wine's 64-bit loader on machines whose kernel runs no 32-bit programs
# (and so no 32-bit Wine). Debian keeps that loader beside the wine script,
# which would pick the 32-bit one.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILLORY_MINGW_PREFIX x86_64-w64-mingw32)
find_program(QUILLORY_WINE wine64 PATHS /usr/lib/wine)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
