# Tests of exactness at scale, hostile input and long use, on the real window where it
# matters. Included by tests/CMakeLists.txt.

include(${CMAKE_CURRENT_SOURCE_DIR}/exactness.cmake)
set_tests_properties(exactness PROPERTIES LABELS unit)
if(GAVRENTO_SANITIZE)
  # A million heights take minutes under the sanitizers; the full million runs in every
  # ordinary build, and the tenths of a centimetre are all checked in both.
  target_compile_definitions(exactness PRIVATE GAVRENTO_EXACTNESS_RANDOM_HEIGHTS=100000)
endif()

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
