# The Debian package: /usr/bin/quirevo, the language files in /usr/share/quirevo (the desktop
# entry's working folder), the desktop entry, the icon in the hicolor theme, the manual page, the
# bash completion, the copyright and changelog files. Depends come from the program's shared
# libraries (dpkg-shlibdeps) and the office it starts.
set(CPACK_GENERATOR DEB)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(quirevo_share ${CMAKE_INSTALL_DATADIR}/quirevo)
set(quirevo_doc ${CMAKE_INSTALL_DATADIR}/doc/quirevo)

install(TARGETS quirevo RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${QUIREVO_LANGUAGE_FILES} DESTINATION ${quirevo_share})

set(QUIREVO_WORKING_FOLDER ${CPACK_PACKAGING_INSTALL_PREFIX}/${quirevo_share})
configure_file(linux/quirevo.desktop.in quirevo.desktop @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quirevo.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

# The program's own 32 x 32 icon, and larger sizes that draw each of its pixels as a square.
set(icon_map ${PROJECT_SOURCE_DIR}/app/resources/quirevo_icon.txt)
set(made_files)
foreach(scale 1 2 4 8)
  math(EXPR size "32 * ${scale}")
  set(icon ${CMAKE_CURRENT_BINARY_DIR}/icons/${size}x${size}/quirevo.png)
  add_custom_command(OUTPUT ${icon}
    COMMAND ${CMAKE_COMMAND} -E make_directory icons/${size}x${size}
    COMMAND quirevo_make_image ${icon_map} ${icon} ${scale}
    DEPENDS quirevo_make_image ${icon_map}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Making the ${size} x ${size} icon"
    VERBATIM)
  install(FILES ${icon} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  list(APPEND made_files ${icon})
endforeach()

# The manual page and a native package's changelog, compressed as Debian policy asks (gzip -9n:
# no name or time inside).
string(TIMESTAMP QUIREVO_CHANGELOG_DATE "%a, %d %b %Y %H:%M:%S +0000" UTC)
string(TIMESTAMP QUIREVO_PACKAGE_DATE "%Y-%m-%d" UTC)
configure_file(linux/changelog.in changelog @ONLY)
configure_file(linux/quirevo.1.in quirevo.1 @ONLY)
foreach(file changelog quirevo.1)
  add_custom_command(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz
    COMMAND gzip -9nc ${file} > ${file}.gz
    DEPENDS ${CMAKE_CURRENT_BINARY_DIR}/${file}
    WORKING_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}
    COMMENT "Compressing ${file} for the package")
  list(APPEND made_files ${CMAKE_CURRENT_BINARY_DIR}/${file}.gz)
endforeach()
add_custom_target(quirevo_package_files ALL DEPENDS ${made_files})
install(FILES linux/copyright ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz DESTINATION ${quirevo_doc})
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/quirevo.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
# Where bash-completion looks for a command's completion when it is first completed.
install(FILES linux/quirevo.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME quirevo)
# The UNO runtime finds the rest of itself only through the office's program folder on the run
# path (platform/libreoffice); the package says why it keeps it.
configure_file(linux/lintian-overrides.in lintian-overrides @ONLY)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/lintian-overrides
        DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quirevo)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION misc)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The spreadsheet application Quirevo starts: shlibdeps finds only the UNO libraries.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libreoffice-calc, libreoffice-core")
# The window's layout is measured in these fonts' metrics.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
