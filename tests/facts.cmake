# The facts the tests written in other languages read (print_facts.cpp), printed into
# facts.json as the build is made, under node in the web build; a Windows build cannot run
# it then, and its checks run it under wine themselves.
include(${PROJECT_SOURCE_DIR}/cmake/NlohmannJson.cmake)
add_executable(print_facts ${CMAKE_CURRENT_LIST_DIR}/print_facts.cpp)
target_link_libraries(print_facts PRIVATE window nlohmann_json gavrento_options)
if(EMSCRIPTEN)
  target_link_options(print_facts PRIVATE -sENVIRONMENT=node -sSINGLE_FILE)
endif()
if(NOT WIN32)
  set(GAVRENTO_FACTS ${PROJECT_BINARY_DIR}/facts.json)
  add_custom_command(OUTPUT ${GAVRENTO_FACTS}
    COMMAND print_facts > ${GAVRENTO_FACTS} DEPENDS print_facts VERBATIM)
  add_custom_target(facts ALL DEPENDS ${GAVRENTO_FACTS})
endif()
