# The page as the site serves it, written when the site is built (included by the web
# build's list, which sets GAVRENTO_SITE): page_writer, run under node, writes what the page
# is made of (page.json); cut_fonts.py cuts the faces it draws; write_page.py puts
# index.html (site/page.js inline in it) and the manifest together. page_outputs names what they write into the site.
find_program(GAVRENTO_NODE node REQUIRED)
# Debian's Python, which has Debian's fonttools and brotli, whatever python3 comes first on
# the PATH.
find_program(GAVRENTO_DEBIAN_PYTHON python3 PATHS /usr/bin NO_DEFAULT_PATH REQUIRED)
find_program(GAVRENTO_FC_LIST fc-list REQUIRED)
set(writer_sources ${CMAKE_CURRENT_LIST_DIR})
set(site_sources ${PROJECT_SOURCE_DIR}/runtime/web/site)

add_executable(page_writer
  ${writer_sources}/main.cpp
  ${writer_sources}/faces.cpp ${writer_sources}/faces.h
  ${writer_sources}/window_markup.cpp ${writer_sources}/window_markup.h
  ${writer_sources}/window_style.cpp ${writer_sources}/window_style.h)
include(${PROJECT_SOURCE_DIR}/cmake/NlohmannJson.cmake)
target_link_libraries(page_writer PRIVATE window runtime nlohmann_json gavrento_options)
target_link_options(page_writer PRIVATE -sENVIRONMENT=node -sSINGLE_FILE)
set(page_json ${CMAKE_CURRENT_BINARY_DIR}/page.json)
add_custom_command(OUTPUT ${page_json}
  COMMAND ${GAVRENTO_NODE} $<TARGET_FILE:page_writer> > ${page_json}
  DEPENDS page_writer VERBATIM)

# The faces, with their licences.
set(faces_json ${CMAKE_CURRENT_BINARY_DIR}/faces.json)
add_custom_command(OUTPUT ${faces_json}
  COMMAND ${GAVRENTO_DEBIAN_PYTHON} ${writer_sources}/cut_fonts.py ${page_json}
          ${GAVRENTO_SITE}/fonts ${faces_json}
  DEPENDS ${page_json} ${writer_sources}/cut_fonts.py VERBATIM)

# The templates take the name and the description from project() when CMake is run.
set(GAVRENTO_NAME ${PROJECT_NAME})
set(page_template ${CMAKE_CURRENT_BINARY_DIR}/index.html)
set(manifest_template ${CMAKE_CURRENT_BINARY_DIR}/manifest.webmanifest)
configure_file(${site_sources}/index.html.in ${page_template} @ONLY)
configure_file(${site_sources}/manifest.webmanifest.in ${manifest_template} @ONLY)
set(page_outputs ${GAVRENTO_SITE}/index.html ${GAVRENTO_SITE}/manifest.webmanifest)
add_custom_command(OUTPUT ${page_outputs}
  COMMAND ${GAVRENTO_DEBIAN_PYTHON} ${writer_sources}/write_page.py ${page_json} ${faces_json}
          ${site_sources}/style.css ${site_sources}/page.js ${page_template} ${manifest_template}
          ${GAVRENTO_SITE}
  DEPENDS ${page_json} ${faces_json} ${writer_sources}/write_page.py ${site_sources}/style.css
          ${site_sources}/page.js ${page_template} ${manifest_template}
  VERBATIM)
