# Writes FOLDER/nginx.conf from nginx.conf.in (cmake -P): the site in SITE on 127.0.0.1:PORT,
# with the Content-Security-Policy that the page's meta tag states (PAGE, SITE/index.html
# unless given), which allows the page's inline style sheet by the digest the build made.
if(NOT PAGE)
  set(PAGE ${SITE}/index.html)
endif()
file(READ ${PAGE} page)
if(NOT page MATCHES "http-equiv=\"Content-Security-Policy\" content=\"([^\"]+)\"")
  message(FATAL_ERROR "${PAGE} states no Content-Security-Policy")
endif()
set(POLICY ${CMAKE_MATCH_1})
file(MAKE_DIRECTORY ${FOLDER})
configure_file(${CMAKE_CURRENT_LIST_DIR}/nginx.conf.in ${FOLDER}/nginx.conf @ONLY)
