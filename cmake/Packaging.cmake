# The Debian package of the Linux program, made by CPack: `cpack --config <build>/CPackConfig.cmake` (or the
# package target) writes <build>/quorrin_<version>_<arch>.deb. It holds the program, the launcher the menu
# entry starts, the menu entry, the AppStream metadata, the icons, the manual page and the documents Debian
# wants. The same rules serve `cmake --install` under any prefix.
include(GNUInstallDirs)

set(_linux ${PROJECT_SOURCE_DIR}/packaging/linux)
set(_generated ${PROJECT_BINARY_DIR}/packaging/linux)
set(_id org.quorrin.Quorrin)
set(_docs ${CMAKE_INSTALL_DATADIR}/doc/quorrin)
set(_icons ${CMAKE_INSTALL_DATADIR}/icons/hicolor)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

install(TARGETS quorrin RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# A stripped install (the package's) also drops the compiler's notes, as Debian's own packages do.
install(CODE "if(CMAKE_INSTALL_DO_STRIP)
    execute_process(COMMAND [[${CMAKE_STRIP}]] --remove-section=.comment --remove-section=.note
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/quorrin\" COMMAND_ERROR_IS_FATAL ANY)
endif()")
install(PROGRAMS ${_linux}/quorrin-launcher DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${_linux}/${_id}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${_linux}/${_id}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)

# The icons are drawn by scripts/render-images; the 32-pixel one is the program's own window icon.
foreach(size 16 48 64 128 256)
    install(FILES ${_linux}/icons/icon-${size}.png DESTINATION ${_icons}/${size}x${size}/apps RENAME ${_id}.png)
endforeach()
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/images/icon.png DESTINATION ${_icons}/32x32/apps RENAME ${_id}.png)
install(FILES ${PROJECT_SOURCE_DIR}/src/ui/images/icon.svg DESTINATION ${_icons}/scalable/apps RENAME ${_id}.svg)

# Debian keeps manual pages and changelogs compressed with gzip -9, without a time stamp in the file.
find_program(QUORRIN_GZIP gzip REQUIRED)
configure_file(${_linux}/quorrin.1.in ${_generated}/quorrin.1 @ONLY)
configure_file(${_linux}/changelog ${_generated}/changelog COPYONLY)
add_custom_command(OUTPUT ${_generated}/quorrin.1.gz ${_generated}/changelog.gz
    COMMAND ${QUORRIN_GZIP} -9nkf quorrin.1 changelog
    WORKING_DIRECTORY ${_generated}
    DEPENDS ${_generated}/quorrin.1 ${_generated}/changelog
    COMMENT "Compressing the manual page and the changelog of the Debian package"
    VERBATIM)
add_custom_target(linux_package_documents ALL DEPENDS ${_generated}/quorrin.1.gz ${_generated}/changelog.gz)
# The launcher's manual page is the program's.
file(CREATE_LINK quorrin.1.gz ${_generated}/quorrin-launcher.1.gz SYMBOLIC)
install(FILES ${_generated}/quorrin.1.gz ${_generated}/quorrin-launcher.1.gz
    DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# The version has no Debian revision, so this is a native package, whose changelog Debian names changelog.gz.
install(FILES ${_generated}/changelog.gz ${_linux}/copyright DESTINATION ${_docs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorrin)
set(CPACK_PACKAGE_VENDOR "Quorrin developers")
set(CPACK_PACKAGE_CONTACT "Quorrin developers <bugs@quorrin.example.net>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "${PROJECT_DESCRIPTION}")
set(CPACK_PACKAGE_DESCRIPTION [[
The Zone client keeps one friends list per Zone Name. Quorrin shows the
friends lists of two of your Zone Names side by side and copies the friends
you check from one into the other, leaving out those it has already and
keeping the old list as a backup.]])
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR})
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://www.quorrin.example.net/)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
