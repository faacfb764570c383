# The project's version as Windows states a file's version: four numbers, the missing ones 0
# (1.1 -> 1.1.0.0). The version resource, the manifest and the installer carry it.
set(QUIREVO_WINDOWS_VERSION_PARTS)
foreach(part MAJOR MINOR PATCH TWEAK)
  if(PROJECT_VERSION_${part} STREQUAL "")
    list(APPEND QUIREVO_WINDOWS_VERSION_PARTS 0)
  else()
    list(APPEND QUIREVO_WINDOWS_VERSION_PARTS ${PROJECT_VERSION_${part}})
  endif()
endforeach()
list(JOIN QUIREVO_WINDOWS_VERSION_PARTS "." QUIREVO_WINDOWS_VERSION)
