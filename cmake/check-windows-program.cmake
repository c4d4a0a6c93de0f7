# Checks that a PE file is a 32-bit x86 Windows GUI program that imports
# only DLLs which ship with Windows, so it runs from any folder as it is, and
# from them only functions Windows XP SP3 has (windows-xp-imports.txt), so it
# starts on every Windows from XP SP3 on.
#   cmake -DOBJDUMP=<objdump> -DPROGRAM=<file.exe> -P check-windows-program.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT OBJDUMP OR NOT PROGRAM)
    message(FATAL_ERROR "usage: cmake -DOBJDUMP=... -DPROGRAM=... -P ${CMAKE_CURRENT_LIST_FILE}")
endif()

set(windows_dlls
    advapi32.dll comctl32.dll comdlg32.dll gdi32.dll kernel32.dll msvcrt.dll oleacc.dll
    ole32.dll oleaut32.dll shell32.dll shlwapi.dll user32.dll uxtheme.dll version.dll winmm.dll
    ws2_32.dll)

execute_process(COMMAND ${OBJDUMP} -p ${PROGRAM}
    OUTPUT_VARIABLE headers ERROR_VARIABLE errors RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${OBJDUMP} could not read ${PROGRAM}: ${errors}")
endif()

set(problems "")
if(NOT headers MATCHES "file format pei-i386")
    string(APPEND problems "not a 32-bit x86 PE file\n")
endif()
if(NOT headers MATCHES "Subsystem[ \t]+0*2[ \t]+\\(Windows GUI\\)")
    string(APPEND problems "not a Windows GUI program\n")
endif()

string(REGEX MATCHALL "DLL Name: [^\r\n]+" imports "${headers}")
if(NOT imports)
    string(APPEND problems "imports no DLL at all, which no Windows program does\n")
endif()
foreach(import IN LISTS imports)
    string(REGEX REPLACE "^DLL Name: " "" dll "${import}")
    string(TOLOWER "${dll}" dll)
    if(NOT dll IN_LIST windows_dlls)
        string(APPEND problems "imports ${dll}, which does not ship with Windows\n")
    endif()
endforeach()

if(headers MATCHES "MajorSubsystemVersion[ \t]+([0-9]+)[\r\n]+MinorSubsystemVersion[ \t]+([0-9]+)"
   AND "${CMAKE_MATCH_1}.${CMAKE_MATCH_2}" VERSION_GREATER 5.1)
    string(APPEND problems "needs Windows ${CMAKE_MATCH_1}.${CMAKE_MATCH_2}, later than XP's 5.1\n")
endif()

# One import a line, after the name of its DLL: "<address> <hint> <name>" as
# binutils 2.40 (Debian 12) prints it, "<address> <none> <hint> <name>" as
# binutils 2.44 (Debian 13) does, with the hint in hexadecimal.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/windows-xp-imports.txt xp_functions REGEX "^[^#]")
string(REPLACE ";" "," lines "${headers}")
string(REPLACE "\n" ";" lines "${lines}")
set(dll "")
set(functions 0)
foreach(line IN LISTS lines)
    if(line MATCHES "DLL Name: ([^\r]+)")
        string(TOLOWER "${CMAKE_MATCH_1}" dll)
    elseif(dll AND line MATCHES "^\t[0-9a-f]+(\t +[0-9]+|  <none>  [0-9a-f]+)  ([^\r ]+)")
        math(EXPR functions "${functions} + 1")
        if(NOT "${dll} ${CMAKE_MATCH_2}" IN_LIST xp_functions)
            string(APPEND problems "imports ${dll} ${CMAKE_MATCH_2}, which Windows XP SP3 lacks\n")
        endif()
    endif()
endforeach()

if(problems)
    message(FATAL_ERROR "${PROGRAM}:\n${problems}")
endif()
string(REPLACE "DLL Name: " "" imports "${imports}")
list(JOIN imports ", " summary)
message(STATUS "${PROGRAM} is a Windows GUI program importing ${functions} functions, all of \
Windows XP SP3, from ${summary}")
