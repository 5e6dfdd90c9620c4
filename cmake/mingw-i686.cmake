# Cross build for 32-bit Windows with MinGW-w64 (posix thread model, so that
# std::thread and std::mutex exist). Used by the "windows" preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(QUILLON_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${QUILLON_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${QUILLON_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${QUILLON_MINGW_PREFIX}-windres)

# Look for libraries and headers of the target only, programs on the host.
set(CMAKE_FIND_ROOT_PATH /usr/${QUILLON_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
