# The exactness check, a plain program that every build of Gavrento compiles and runs.
add_executable(exactness ${CMAKE_CURRENT_LIST_DIR}/exactness.cpp)
target_link_libraries(exactness PRIVATE calc gavrento_options)
add_test(NAME exactness COMMAND exactness)
# Its closing line, not only its exit status: a program that ends early has not passed.
set_tests_properties(exactness PROPERTIES
  PASS_REGULAR_EXPRESSION "exactness: [1-9][0-9]* passed, 0 failed")
