# Cross-building the 32-bit Windows program on Linux with mingw-w64. The win32-threads
# variant of the compiler is named outright: its runtime needs no threading library, so a
# static link leaves the executable with Windows' own libraries alone.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(GAVRENTO_MINGW_PREFIX i686-w64-mingw32)
set(CMAKE_C_COMPILER ${GAVRENTO_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${GAVRENTO_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${GAVRENTO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GAVRENTO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
