# Read by cpack once per generator: the zip and the installer carry the same version.
if(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME "Quirevo-${CPACK_PACKAGE_VERSION}-windows")
elseif(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME "Quirevo-${CPACK_PACKAGE_VERSION}-setup")
endif()
