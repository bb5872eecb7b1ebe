# Writes SITE/sw.js from TEMPLATE (cmake -P): the files a visit keeps for working offline,
# each with its SHA-256, and a cache version made from those digests.
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
# Not kept: the service worker itself, the faces' licence texts (read online, if ever) and
# the program's bytes as a script, which only a page opened from a file uses.
list(FILTER files EXCLUDE REGEX "^sw\\.js$|\\.LICENSE$|^gavrento\\.wasm\\.js$")
list(SORT files)
set(digests "")
set(listed "")
foreach(file IN LISTS files)
  file(SHA256 ${SITE}/${file} digest)
  string(APPEND digests "${file} ${digest}\n")
  string(APPEND listed "  \"${file}\": \"${digest}\",\n")
endforeach()
string(SHA256 version "${digests}")
string(SUBSTRING ${version} 0 16 GAVRENTO_CACHE_VERSION)
string(STRIP "${listed}" GAVRENTO_SITE_FILES)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
