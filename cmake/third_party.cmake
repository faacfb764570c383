# The header-only libraries of the command line, from Debian's packages: CLI11 parses the
# arguments, nlohmann-json writes --json. The mingw-w64 build cannot take /usr/include as a whole
# (the system's C headers would shadow its own), so their folders are copied into the build and
# given to the targets that use them as one interface library.
set(quirevo_third_party ${CMAKE_BINARY_DIR}/third_party)
foreach(header CLI/CLI.hpp nlohmann/json.hpp)
  string(MAKE_C_IDENTIFIER ${header} variable)
  find_path(QUIREVO_${variable}_DIR ${header} PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH)
  if(NOT QUIREVO_${variable}_DIR)
    message(FATAL_ERROR "${header} not found; install libcli11-dev and nlohmann-json3-dev "
                        "(scripts/install-deps)")
  endif()
  get_filename_component(folder ${header} DIRECTORY)
  file(COPY ${QUIREVO_${variable}_DIR}/${folder} DESTINATION ${quirevo_third_party})
endforeach()
add_library(quirevo_third_party INTERFACE)
target_include_directories(quirevo_third_party SYSTEM INTERFACE ${quirevo_third_party})
