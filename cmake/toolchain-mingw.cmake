# Cross-building the Windows program on Linux with mingw-w64, for the processor in
# GAVRENTO_WINDOWS_ARCH: i686 (32-bit, the default) or x86_64. The win32-threads variant
# of the compiler is named outright: its runtime needs no threading library, so a static
# link leaves the executable with Windows' own libraries alone.
set(GAVRENTO_WINDOWS_ARCH i686 CACHE STRING "Processor of the Windows build: i686 or x86_64")
set_property(CACHE GAVRENTO_WINDOWS_ARCH PROPERTY STRINGS i686 x86_64)
# CMake's own compiler checks read this file again in a project of their own.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES GAVRENTO_WINDOWS_ARCH)

set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR ${GAVRENTO_WINDOWS_ARCH})

set(GAVRENTO_MINGW_PREFIX ${GAVRENTO_WINDOWS_ARCH}-w64-mingw32)
set(CMAKE_C_COMPILER ${GAVRENTO_MINGW_PREFIX}-gcc-win32)
set(CMAKE_CXX_COMPILER ${GAVRENTO_MINGW_PREFIX}-g++-win32)
set(CMAKE_RC_COMPILER ${GAVRENTO_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${GAVRENTO_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
