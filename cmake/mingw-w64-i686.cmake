# The shipped program: 32-bit, for every Windows from XP SP3 on.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(QUILLORY_MINGW_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
