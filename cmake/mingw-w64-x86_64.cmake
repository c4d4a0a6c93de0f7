# The same program built for 64-bit Windows, so that its tests run under
# Wine's 64-bit loader on machines whose kernel runs no 32-bit programs
# (scripts/runs-32-bit.sh decides, scripts/with-wine.sh picks the loader).
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(QUILLORY_MINGW_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
