# Installs the build into an empty PREFIX and checks that the program, its
# menu entry, metadata, licence and every icon size land where a desktop
# looks for them: cmake -DBUILD_DIR=... -DPREFIX=... -DAPP_ID=... -P check_installed.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
set(icons share/icons/hicolor)
set(expected bin/quillory share/applications/${APP_ID}.desktop
    share/metainfo/${APP_ID}.metainfo.xml share/doc/quillory/LICENSE
    ${icons}/scalable/apps/${APP_ID}.svg)
foreach(size 16 32 48 64 128 256)
    list(APPEND expected ${icons}/${size}x${size}/apps/${APP_ID}.png)
endforeach()
foreach(file ${expected})
    if(NOT EXISTS ${PREFIX}/${file})
        message(SEND_ERROR "not installed: ${file}")
    endif()
endforeach()
file(READ ${PREFIX}/share/applications/${APP_ID}.desktop entry)
if(NOT entry MATCHES "\nExec=quillory\n" OR NOT entry MATCHES "\nIcon=${APP_ID}\n")
    message(SEND_ERROR "the menu entry does not start quillory with its icon:\n${entry}")
endif()
