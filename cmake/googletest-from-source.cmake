# GoogleTest built from source for the target, for cross builds where the
# build machine's libraries cannot be linked. Debian's googletest package
# installs the sources in the directory below.
set(QUILLORY_GOOGLETEST_SOURCE_DIR /usr/src/googletest
    CACHE PATH "GoogleTest's sources, built for the target")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${QUILLORY_GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main gmock gmock_main)
    if(TARGET ${library} AND NOT TARGET GTest::${library})
        add_library(GTest::${library} ALIAS ${library})
    endif()
endforeach()
# The win32-threads C++ runtime has no std::mutex, which GoogleTest's own
# Notification needs: it gets one without (its customisation point).
target_compile_options(gtest PUBLIC -include ${CMAKE_CURRENT_LIST_DIR}/googletest-notification.h)
