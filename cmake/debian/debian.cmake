# What Debian asks of every package beside the program: the copyright in its
# machine-readable form, with the licence's text; a changelog; and a manual
# page. The changelog and manual page go compressed, as Debian keeps them.
set(debian ${CMAKE_BINARY_DIR}/debian)

# The licence's text from its first paragraph on, each line indented, with
# "." for each empty line.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(FIND "${license}" "Permission" start)
string(SUBSTRING "${license}" ${start} -1 license)
string(STRIP "${license}" license)
string(REPLACE "\n\n" "\n.\n" license "${license}")
string(REPLACE "\n" "\n " license " ${license}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/copyright.in ${debian}/copyright @ONLY)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${debian}/changelog @ONLY)
configure_file(${PROJECT_SOURCE_DIR}/desktop/quillory.1.in ${debian}/quillory.1 @ONLY)

# gzip -n leaves out the name and time, so the package's files depend only on
# their content.
foreach(file changelog quillory.1)
    add_custom_command(OUTPUT ${debian}/${file}.gz
        COMMAND gzip -9nkf ${debian}/${file}
        DEPENDS ${debian}/${file}
        VERBATIM)
endforeach()
add_custom_target(quillory_debian_docs ALL DEPENDS ${debian}/changelog.gz ${debian}/quillory.1.gz)

set(doc ${CMAKE_INSTALL_DATADIR}/doc/quillory)
install(FILES ${debian}/copyright ${debian}/changelog.gz DESTINATION ${doc})
install(FILES ${debian}/quillory.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
