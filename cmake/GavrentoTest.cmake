# gavrento_add_test(NAME <name> LABEL <label> SOURCES <files...> [LIBS <targets...>]
#                   [ENV <VAR=value...>])
# One test program: built with the project's options, linked with QTest, registered with
# CTest under its label and run without a display. The labels: unit (no display, no
# process), window (QTest on the real widgets), system (the whole program as a process),
# package and windows.
include_guard(GLOBAL)

function(gavrento_add_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;LABEL" "SOURCES;LIBS;ENV")
  qt_add_executable(${arg_NAME} ${arg_SOURCES})
  target_link_libraries(${arg_NAME} PRIVATE Qt6::Test gavrento_options ${arg_LIBS})
  gavrento_run_test(NAME ${arg_NAME} LABEL ${arg_LABEL} PROGRAM ${arg_NAME} ENV ${arg_ENV})
endfunction()

# gavrento_run_test(NAME <name> LABEL <label> PROGRAM <test program target> [ENV <VAR=value...>])
# Registers one more run of a test program, for instance under another locale.
function(gavrento_run_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME;LABEL;PROGRAM" "ENV")
  if(NOT arg_LABEL)
    message(FATAL_ERROR "test ${arg_NAME} needs a LABEL")
  endif()
  add_test(NAME ${arg_NAME} COMMAND ${arg_PROGRAM})
  # Passed only with QTest's totals and no failure, so a program that ends early with
  # status 0 fails. A pass expression makes CTest ignore the exit status: a sanitizer's
  # report after the totals must fail the run by its text.
  set_tests_properties(${arg_NAME} PROPERTIES
    LABELS ${arg_LABEL}
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${arg_ENV}"
    PASS_REGULAR_EXPRESSION "Totals: [0-9]+ passed, 0 failed"
    FAIL_REGULAR_EXPRESSION "ERROR: [A-Za-z]+Sanitizer|runtime error:")
endfunction()

# gavrento_private_folders()
# Every test of the calling directory, whenever it is added there, runs with a temporary
# folder (TMPDIR) and a runtime folder (XDG_RUNTIME_DIR) of its own, so that what a test
# leaves is found and named, and nothing reaches /tmp (Qt makes /tmp/runtime-<user> where
# XDG_RUNTIME_DIR is not set). The test "test_folders_made" makes them all afresh before
# the suite, "nothing_left_behind" fails after it when a temporary folder is not empty.
function(gavrento_private_folders)
  cmake_language(DEFER CALL gavrento_give_tests_their_folders)
endfunction()

# Where the folders stand: outside the build tree, at a length no checkout can stretch, as
# the tests make sockets in them and a socket's path holds 107 bytes at most. Under the
# temporary folder of the configuring shell, named after the build folder so that builds and
# checkouts side by side keep apart; each test's folders by its number, not its name.
function(gavrento_test_folder_root out)
  set(temp /tmp)
  if(IS_ABSOLUTE "$ENV{TMPDIR}")
    set(temp "$ENV{TMPDIR}")
  endif()
  string(SHA256 build_hash "${CMAKE_BINARY_DIR}")
  string(SUBSTRING "${build_hash}" 0 8 build_hash)
  cmake_path(APPEND temp "gavrento-tests-${build_hash}" OUTPUT_VARIABLE root)
  cmake_path(NORMAL_PATH root)
  set(${out} "${root}" PARENT_SCOPE)
endfunction()

function(gavrento_give_tests_their_folders)
  get_property(tests DIRECTORY PROPERTY TESTS)
  get_property(earlier GLOBAL PROPERTY GAVRENTO_TESTS_WITH_FOLDERS)
  list(LENGTH earlier number)
  gavrento_test_folder_root(root)
  foreach(test IN LISTS tests)
    set_property(TEST ${test} APPEND PROPERTY ENVIRONMENT
      "TMPDIR=${root}/${number}/tmp"
      "XDG_RUNTIME_DIR=${root}/${number}/runtime")
    set_property(TEST ${test} APPEND PROPERTY FIXTURES_REQUIRED test_folders)
    math(EXPR number "${number} + 1")
  endforeach()
  set_property(GLOBAL APPEND PROPERTY GAVRENTO_TESTS_WITH_FOLDERS ${tests})
endfunction()

# Once every directory has given its tests their folders: the two tests around the suite,
# given the tests in the order that numbers their folders.
function(gavrento_add_folder_tests)
  get_property(tests GLOBAL PROPERTY GAVRENTO_TESTS_WITH_FOLDERS)
  gavrento_test_folder_root(root)
  set(script -P ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/test-folders.cmake -- ${tests})
  add_test(NAME test_folders_made COMMAND ${CMAKE_COMMAND} -DROOT=${root} -DMODE=make ${script})
  add_test(NAME nothing_left_behind COMMAND ${CMAKE_COMMAND} -DROOT=${root} -DMODE=check ${script})
  set_tests_properties(test_folders_made PROPERTIES FIXTURES_SETUP test_folders)
  set_tests_properties(nothing_left_behind PROPERTIES FIXTURES_CLEANUP test_folders)
endfunction()
cmake_language(DEFER DIRECTORY ${CMAKE_SOURCE_DIR} CALL gavrento_add_folder_tests)
