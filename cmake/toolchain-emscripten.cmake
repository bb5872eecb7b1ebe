# The browser build (the preset "web"): Debian's emscripten, whose own CMake platform file
# does the work. It would call the target "x86", and the project takes that for 32-bit x86
# and asks for SSE2; WebAssembly has no x87 unit to avoid.
set(EMSCRIPTEN_SYSTEM_PROCESSOR wasm32)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)

# Optimised links run an acorn script that looks for acorn beside node's own modules;
# Debian keeps it under /usr/share/nodejs.
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)

# Every object of the build takes part in C++ exceptions: the run-time errors travel from
# the formula to the dispatch as exceptions. JavaScript-based ones (-fexceptions), as
# WebAssembly's own (-fwasm-exceptions) do not combine with Asyncify, which lets a click's
# handler wait for the message box.
set(CMAKE_CXX_FLAGS_INIT "-fexceptions")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-fexceptions")
