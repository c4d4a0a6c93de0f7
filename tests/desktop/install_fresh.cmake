# Installs the build into an empty PREFIX: cmake -DBUILD_DIR=... -DPREFIX=... -P install_fresh.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${PREFIX}
    OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
