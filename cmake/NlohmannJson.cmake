# nlohmann's JSON, header only, from Debian's nlohmann-json3-dev, for the programs that hand
# the window's facts to other languages (the page's writer, the tests' printer). The mingw
# and emscripten builds search their own system folders, never /usr/include, so its one
# folder is linked into the build tree and searched from there, alone.
include_guard(GLOBAL)
set(json_headers /usr/include/nlohmann)
if(NOT EXISTS ${json_headers}/json.hpp)
  message(FATAL_ERROR "${json_headers}/json.hpp is missing: scripts/install-packages.sh build "
                      "installs nlohmann-json3-dev (every make target runs it)")
endif()
file(MAKE_DIRECTORY ${PROJECT_BINARY_DIR}/json-include)
file(CREATE_LINK ${json_headers} ${PROJECT_BINARY_DIR}/json-include/nlohmann SYMBOLIC)
add_library(nlohmann_json INTERFACE)
target_include_directories(nlohmann_json SYSTEM INTERFACE ${PROJECT_BINARY_DIR}/json-include)
