# The Debian package, built by `make package` (the `package` target): ledgora_<version>-1_<arch>.deb.
# Library dependencies are found by dpkg-shlibdeps; what the program needs at run time without
# linking to it is named here.
# lintian finds no error. Left: the warning initial-upload-closes-no-bugs (the package is not
# uploaded to Debian, so its first changelog entry closes no bug there) and notes on the build's
# hardening flags and the .comment section that strip keeps.
# Debian wants the changelog and manual pages compressed to the full, with no name or time in the
# gzip header.
set(compressed)
foreach(file changelog.Debian ledgora.1 ledgora-print.1)
    set(gz ${CMAKE_BINARY_DIR}/packaging/${file}.gz)
    add_custom_command(
        OUTPUT ${gz}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
        COMMAND gzip -9nc ${CMAKE_CURRENT_LIST_DIR}/${file} > ${gz}
        DEPENDS ${CMAKE_CURRENT_LIST_DIR}/${file}
        VERBATIM)
    list(APPEND compressed ${gz})
endforeach()
add_custom_target(ledgora_compressed_docs ALL DEPENDS ${compressed})
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz
        DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/ledgora)
install(FILES ${CMAKE_BINARY_DIR}/packaging/ledgora.1.gz ${CMAKE_BINARY_DIR}/packaging/ledgora-print.1.gz
        DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ledgora)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "Ledgora developers <dev@ledgora.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "invoicing program for small firms, demonstration edition")
set(CPACK_PACKAGE_DESCRIPTION [[
A desktop invoicing program for small firms (in Polish), demonstration
edition: the main window with its notebook of pages, and four printable A4
documents shown in the program's own print preview, printed on the system's
printers or saved as PDF/A. The ledgora-print command prints the same
documents without a window.]])
# The desktop entry names the installed data folder, so packing installs with the final
# prefix under a staging DESTDIR rather than into a staging prefix.
set(CPACK_SET_DESTDIR ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# Fonts the windows and printed documents are measured with; the sound's back end; the print
# client and metafile libraries, which are opened by name when first needed, so dpkg-shlibdeps
# cannot see them.
set(CPACK_DEBIAN_PACKAGE_DEPENDS
    "libcups2, libwmf-0.2-7, libemf2svg1, fonts-wine, fonts-liberation, fonts-dejavu-core, fonts-urw-base35, gstreamer1.0-plugins-base, gstreamer1.0-plugins-good")
# The Notepad button asks xdg-mime for the desktop's text editor; without it the button is silent.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
