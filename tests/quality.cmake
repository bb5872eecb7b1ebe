# Tests of exactness at scale, hostile input and long use, on the real window where it
# matters. Included by tests/CMakeLists.txt.

include(${CMAKE_CURRENT_SOURCE_DIR}/exactness.cmake)
set_tests_properties(exactness PROPERTIES LABELS unit)
if(GAVRENTO_SANITIZE)
  # A million heights take minutes under the sanitizers; the full million runs in every
  # ordinary build, and the tenths of a centimetre are all checked in both.
  target_compile_definitions(exactness PRIVATE GAVRENTO_EXACTNESS_RANDOM_HEIGHTS=100000)
endif()

# The same check on the conversions the WebAssembly build uses: the C library's strtod and
# "%.14e" instead of std::from_chars and std::to_chars. A second program from the same
# sources (the core and the runtime's toolkit-free half, all compiled with the path forced),
# so both paths are held to the same reference on the whole set, natively too.
set(exactness_c_library_sources ${CMAKE_CURRENT_SOURCE_DIR}/exactness.cpp)
foreach(library IN ITEMS calc runtime)
  get_target_property(library_sources ${library} SOURCES)
  get_target_property(library_folder ${library} SOURCE_DIR)
  list(TRANSFORM library_sources PREPEND ${library_folder}/)
  list(APPEND exactness_c_library_sources ${library_sources})
endforeach()
add_executable(exactness_c_library ${exactness_c_library_sources})
target_link_libraries(exactness_c_library PRIVATE gavrento_options)
target_compile_definitions(exactness_c_library PRIVATE GAVRENTO_CONVERSIONS_FROM_C_LIBRARY
  $<$<BOOL:${GAVRENTO_SANITIZE}>:GAVRENTO_EXACTNESS_RANDOM_HEIGHTS=100000>)
add_test(NAME exactness_c_library COMMAND exactness_c_library)
# Its closing lines: the path it was built with, then every check passed.
set_tests_properties(exactness_c_library PROPERTIES LABELS unit
  PASS_REGULAR_EXPRESSION "conversions: C library\nexactness: [1-9][0-9]* passed, 0 failed")

# Typed and pasted text of every kind, with both decimal separators.
gavrento_add_test(NAME test_hostile_input LABEL window SOURCES test_hostile_input.cpp
  LIBS window_fixture ENV "LC_ALL=C")
gavrento_run_test(NAME test_hostile_input_it LABEL window PROGRAM test_hostile_input
  ENV "LC_ALL=it_IT.UTF-8")

# Thousands of clicks on the real window, measured for growth of the resident size.
gavrento_add_test(NAME test_soak LABEL window SOURCES test_soak.cpp LIBS window_fixture)
if(GAVRENTO_SANITIZE)
  target_compile_definitions(test_soak PRIVATE GAVRENTO_SANITIZED)
endif()
