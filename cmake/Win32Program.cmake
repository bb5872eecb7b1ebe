# How every Windows program of the project is linked, Gavrento.exe and the test helpers that
# run beside it under wine alike:
#   gavrento_win32_program(TARGET [WIDE_MAIN] [GUI])
#     WIDE_MAIN  its entry point is wmain or wWinMain: the command line in UTF-16
#     GUI        a window program (no console of its own); else a console program
# The compiler's C and C++ runtimes are linked in, so an executable needs nothing beside it
# but Windows' own libraries. Hardened: loaded at a random address, its data never executed,
# and on 64-bit Windows its addresses taken from the whole 64-bit space; said outright, not
# left to the linker's defaults, which older binutils did not have. A release build is
# stripped.
function(gavrento_win32_program target)
  cmake_parse_arguments(PARSE_ARGV 1 arg "WIDE_MAIN;GUI" "" "")
  target_link_options(${target} PRIVATE -static -static-libgcc -static-libstdc++
    -Wl,--dynamicbase,--nxcompat $<$<CONFIG:Release>:-s>)
  if(GAVRENTO_WINDOWS_ARCH STREQUAL "x86_64")
    target_link_options(${target} PRIVATE -Wl,--high-entropy-va)
  endif()
  if(arg_WIDE_MAIN)
    target_link_options(${target} PRIVATE -municode)
  endif()
  if(arg_GUI)
    set_target_properties(${target} PROPERTIES WIN32_EXECUTABLE ON)
  endif()
endfunction()
