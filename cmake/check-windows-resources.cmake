# Checks the resources a Windows program carries: its icon, its version
# information, and a manifest asking for common controls 6 and per-monitor
# DPI awareness. VERSION is the project's.
#   cmake -DWINDRES=<windres> -DPROGRAM=<file.exe> -DVERSION=<x.y.z> -P check-windows-resources.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT WINDRES OR NOT PROGRAM OR NOT VERSION)
    message(FATAL_ERROR "usage: cmake -DWINDRES=... -DPROGRAM=... -DVERSION=... -P ${CMAKE_CURRENT_LIST_FILE}")
endif()

# windres reads the resources back out of the program as a resource script.
execute_process(COMMAND ${WINDRES} --input ${PROGRAM} --output-format rc
    OUTPUT_VARIABLE script ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${WINDRES} could not read ${PROGRAM}: ${errors}")
endif()

set(expected
    "RT_GROUP_ICON"
    "VALUE \"FileDescription\", \"Quillory\""
    "VALUE \"FileVersion\", \"${VERSION}\""
    "VALUE \"ProductVersion\", \"${VERSION}\""
    "RT_MANIFEST"
    "Microsoft.Windows.Common-Controls\"\" version=\"\"6.0.0.0"
    ">PerMonitorV2")
set(problems "")
foreach(text IN LISTS expected)
    string(FIND "${script}" "${text}" at)
    if(at EQUAL -1)
        string(APPEND problems "no ${text}\n")
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "${PROGRAM}:\n${problems}")
endif()
message(STATUS "${PROGRAM} has its icon, version information and manifest")
