# The release histories (the Debian changelog, the AppStream releases) name
# each release, newest first; the newest must be the version project() sets.
function(quillory_newest_release_is_this_one history pattern)
    file(READ ${history} text)
    string(REGEX MATCH "${pattern}" found "${text}")
    if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "The newest release in ${history} is \"${CMAKE_MATCH_1}\", "
            "not ${PROJECT_VERSION}: describe this release there.")
    endif()
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${history})
endfunction()

# Packages made by CPack from the install rules: a Debian package for
# the Debian release it is built on, and a ZIP for Windows; beside the ZIP, the Windows installer.
set(CPACK_PACKAGE_NAME quillory)
set(CPACK_PACKAGE_VENDOR Quillory)
set(CPACK_PACKAGE_CONTACT "Quillory <quillory@quillory.example>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://www.quillory.example)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "drill the English irregular verbs")
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Quillory helps a learner of English master the irregular verbs. It lists"
    "153 verbs with their past tense and past participle, and tests the learner"
    "on each infinitive in turn, saying at once whether an answer is right."
    "It can be used with the keyboard alone and with a screen reader.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

if(WIN32)
    # quillory.exe with its README.txt and LICENSE.txt in one folder; the
    # program is linked stripped already.
    set(CPACK_GENERATOR ZIP)
    set(CPACK_PACKAGE_FILE_NAME quillory-${PROJECT_VERSION}-windows)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)

    # The installer (cmake/quillory.nsi), of the files the ZIP holds. CPack's
    # own NSIS installer leaves an empty key of the vendor's in the registry.
    find_program(QUILLORY_MAKENSIS makensis)
    set(files ${CMAKE_BINARY_DIR}/installer-files)
    set(bits -DBITS=32)
    if(CMAKE_SIZEOF_VOID_P EQUAL 8)
        set(bits -DBITS=64)
    endif()
    add_custom_target(installer
        COMMAND ${CMAKE_COMMAND} -E rm -rf ${files}
        COMMAND ${CMAKE_COMMAND} --install ${CMAKE_BINARY_DIR} --prefix ${files}
        COMMAND ${QUILLORY_MAKENSIS} -V2 -DVERSION=${PROJECT_VERSION} -DFILES=${files} ${bits}
                -DOUTPUT=${CMAKE_BINARY_DIR}/quillory-${PROJECT_VERSION}-windows-setup.exe
                ${CMAKE_CURRENT_LIST_DIR}/quillory.nsi
        DEPENDS quillory
        COMMENT "Making the Windows installer"
        VERBATIM)
else()
    set(CPACK_GENERATOR DEB)
    set(CPACK_STRIP_FILES ON)
    set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
    set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
    set(CPACK_DEBIAN_PACKAGE_SECTION education)
    # The libraries the program links come from dpkg-shlibdeps. Two needs do
    # not show in the binary: the display plugin Qt loads at run time, and
    # Liberation Sans, the stand-in with the widths the layouts were drawn
    # for; with a wider face the headings wrap and are cut off.
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation")
    # Qt keeps its private interface only within one version: a program that
    # uses it runs with the Qt it was built with, which Debian's Qt core
    # library names as a virtual package it provides.
    get_target_property(qt_links quillory_qt LINK_LIBRARIES)
    if("Qt6::GuiPrivate" IN_LIST qt_links)
        execute_process(COMMAND dpkg-query -W "-f=\${Provides}" "libqt6core6*"
            OUTPUT_VARIABLE qt_provides ERROR_QUIET)
        string(REGEX MATCH "qt6-base[a-z-]*-abi \\(= [^)]*\\)" qt_abi "${qt_provides}")
        if(NOT qt_abi)
            message(FATAL_ERROR "No Qt package here says which Qt's private interface it keeps")
        endif()
        string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", ${qt_abi}")
    endif()
    # A package for each Debian release, built on it: 1.0.0+deb12, 1.0.0+deb13.
    cmake_host_system_information(RESULT QUILLORY_DEBIAN_RELEASE
        QUERY DISTRIB_VERSION_ID DISTRIB_VERSION_CODENAME)
    list(GET QUILLORY_DEBIAN_RELEASE 0 release)
    list(GET QUILLORY_DEBIAN_RELEASE 1 QUILLORY_DEBIAN_SUITE)
    set(QUILLORY_DEBIAN_VERSION ${PROJECT_VERSION}+deb${release})
    set(CPACK_DEBIAN_PACKAGE_VERSION ${QUILLORY_DEBIAN_VERSION})
    quillory_newest_release_is_this_one(
        ${PROJECT_SOURCE_DIR}/desktop/${QUILLORY_APP_ID}.metainfo.xml "<release version=\"([^\"]*)\"")
    include(${CMAKE_CURRENT_LIST_DIR}/debian/debian.cmake)
endif()

include(CPack)
