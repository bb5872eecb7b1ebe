# gavrento_add_test(NAME <name> LABEL <label> SOURCES <files...> [LIBS <targets...>]
#                   [ENV <VAR=value...>])
# One test program: built with the project's options, linked with QTest, registered with
# CTest under its label and run without a display. The labels: unit (no display, no
# process), window (QTest on the real widgets), system (the whole program as a process),
# package and windows.
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
