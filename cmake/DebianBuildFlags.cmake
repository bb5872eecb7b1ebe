# The flags Debian builds its own packages with (dpkg-buildflags, hardening=+all and
# reproducible=+all), with the stack-clash and control-flow protection that later Debian
# releases add, given to every target through gavrento_options on Linux. The hardening_check
# test (packaging/check-hardening.sh) holds the program to them.
#
# Not for Windows: the ELF linker options and the stack probes are not PE's, and the
# Windows build has its own flags; nor for WebAssembly, which has neither. Not for the sanitizer and fuzz builds either: there
# AddressSanitizer checks every access more strictly than the stack protector and the
# fortified functions, and the fortified replacements of memcpy and the like would go
# around its interceptors, so errors would be missed.
if(WIN32 OR EMSCRIPTEN OR GAVRENTO_SANITIZE OR GAVRENTO_FUZZ)
  return()
endif()

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

# Position-independent executables; without the check CMake leaves -pie off the link.
set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported(LANGUAGES CXX)
target_compile_options(gavrento_options INTERFACE -fstack-protector-strong
  -Werror=format-security)
target_link_options(gavrento_options INTERFACE -Wl,-z,relro -Wl,-z,now)

# Stack-clash probes and control-flow protection exist on some targets only
# (-fcf-protection on x86).
foreach(flag IN ITEMS -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "HAVE${flag}" have_flag)
  check_cxx_compiler_flag(${flag} ${have_flag})
  if(${have_flag})
    target_compile_options(gavrento_options INTERFACE ${flag})
  endif()
endforeach()

# The fortified functions need the optimiser (glibc warns, and so fails the build, at -O0).
# Some compilers define _FORTIFY_SOURCE themselves: undefining first avoids a redefinition.
target_compile_options(gavrento_options INTERFACE
  "$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")

# No build folder in the objects: the debug information, and so the build id that the
# stripped program keeps, is the same wherever the tree was built. The later map wins
# where both match (a build folder inside the sources). No __DATE__ or __TIME__ either.
target_compile_options(gavrento_options INTERFACE -Wdate-time
  -ffile-prefix-map=${PROJECT_SOURCE_DIR}=. -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)

set(GAVRENTO_HARDENED TRUE)
