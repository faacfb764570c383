# The Windows packages: a zip of Quirevo.exe, quirevo.com (its console companion, which a prompt
# finds first), the language files beside them and README.txt, and an installer of the same
# files made with NSIS from installer.nsi.in (as CPack's NSIS template).
set(CPACK_GENERATOR ZIP NSIS)
# Not stripped here: stripping a Windows program stamps the time into it, and the zip and the
# installer would hold different files. A release build links it without symbols.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)

install(TARGETS Quirevo quirevo_console RUNTIME DESTINATION .)
install(FILES ${QUIREVO_LANGUAGE_FILES} DESTINATION .)
configure_file(windows/README.txt.in README.txt @ONLY NEWLINE_STYLE CRLF)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt DESTINATION .)

# Each generator names its file (windows/package_names.cmake); CPack finds the installer's
# script as NSIS.template.in in its module path.
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_SOURCE_DIR}/windows/package_names.cmake)
configure_file(windows/installer.nsi.in nsis/NSIS.template.in COPYONLY)
set(CPACK_MODULE_PATH ${CMAKE_CURRENT_BINARY_DIR}/nsis)
set(CPACK_NSIS_INSTALLED_ICON_NAME Quirevo.exe)
set(CPACK_QUIREVO_ICON ${PROJECT_SOURCE_DIR}/app/resources/quirevo.ico)
set(CPACK_QUIREVO_WINDOWS_VERSION ${QUIREVO_WINDOWS_VERSION})
