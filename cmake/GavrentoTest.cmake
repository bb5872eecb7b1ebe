# gavrento_add_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [ENV <VAR=value...>])
# One test program: built with the project's options, linked with QTest, registered with
# CTest and run without a display.
function(gavrento_add_test)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "NAME" "SOURCES;LIBS;ENV")
  qt_add_executable(${arg_NAME} ${arg_SOURCES})
  target_link_libraries(${arg_NAME} PRIVATE Qt6::Test gavrento_options ${arg_LIBS})
  add_test(NAME ${arg_NAME} COMMAND ${arg_NAME})
  set_tests_properties(${arg_NAME} PROPERTIES
    ENVIRONMENT "QT_QPA_PLATFORM=offscreen;${arg_ENV}")
endfunction()
