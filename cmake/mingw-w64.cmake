# Cross-builds the Windows program with mingw-w64: cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(QUIREVO_MINGW_PREFIX x86_64-w64-mingw32)

# The posix thread model, where installed, gives std::thread and std::mutex to every library.
foreach(tool IN ITEMS gcc g++)
  find_program(QUIREVO_MINGW_${tool} NAMES ${QUIREVO_MINGW_PREFIX}-${tool}-posix ${QUIREVO_MINGW_PREFIX}-${tool})
endforeach()
find_program(QUIREVO_MINGW_windres NAMES ${QUIREVO_MINGW_PREFIX}-windres)

foreach(tool IN ITEMS gcc g++ windres)
  if(NOT QUIREVO_MINGW_${tool})
    message(FATAL_ERROR "mingw-w64 cross tool ${QUIREVO_MINGW_PREFIX}-${tool} not found; "
                        "install g++-mingw-w64-x86-64 (scripts/install-deps)")
  endif()
endforeach()

set(CMAKE_C_COMPILER ${QUIREVO_MINGW_gcc})
set(CMAKE_CXX_COMPILER ${QUIREVO_MINGW_g++})
set(CMAKE_RC_COMPILER ${QUIREVO_MINGW_windres})

set(CMAKE_FIND_ROOT_PATH /usr/${QUIREVO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The executables carry their C++ run-time inside, so they need no DLL beyond the system's.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
