# Run by CTest around the suite (cmake/GavrentoTest.cmake), with the folders of every test:
#   cmake -DROOT=<folder> -DMODE=make|check -P test-folders.cmake -- TEST...
# make:  ROOT afresh, private to its owner, and in it N/tmp and N/runtime for the Nth test
#        (the runtime folder private too, as Qt and the freedesktop rules want one); fails,
#        saying which, when the folders cannot be made or are too long for a socket.
# check: names whatever a test left in its temporary folder and fails then; removes ROOT
#        when nothing was left, and keeps it to look into otherwise.
set(tests)
set(after_marker FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE 1 ${last})
  if(after_marker)
    list(APPEND tests "${CMAKE_ARGV${index}}")
  elseif(CMAKE_ARGV${index} STREQUAL "--")
    set(after_marker TRUE)
  endif()
endforeach()
list(LENGTH tests count)
math(EXPR last_test "${count} - 1")
set(private DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)

# The longest socket a test makes in its folders is Chromium's single-instance socket, in a
# folder of its own in TMPDIR; a socket's path holds 107 bytes and its terminating zero.
set(longest_socket "/org.chromium.Chromium.XXXXXX/SingletonSocket")
set(socket_path_room 107)

if(MODE STREQUAL "make")
  cmake_path(GET ROOT PARENT_PATH temp)
  if(NOT IS_DIRECTORY "${temp}")
    message(FATAL_ERROR "The tests' folders go in ${temp} (TMPDIR when the build was "
      "configured), which is not there: configure the build again")
  endif()
  string(LENGTH "${ROOT}/${last_test}/runtime${longest_socket}" socket_path_length)
  if(socket_path_length GREATER socket_path_room)
    message(FATAL_ERROR "The tests' folders in ${ROOT} are too long for the sockets made in "
      "them: Chromium's would take ${socket_path_length} of the ${socket_path_room} bytes a "
      "socket's path may hold. Configure the build with TMPDIR set to a shorter folder.")
  endif()
  file(REMOVE_RECURSE "${ROOT}")
  file(MAKE_DIRECTORY "${ROOT}")
  file(CHMOD "${ROOT}" ${private})
  foreach(number RANGE ${last_test})
    file(MAKE_DIRECTORY "${ROOT}/${number}/tmp" "${ROOT}/${number}/runtime")
    file(CHMOD "${ROOT}/${number}/runtime" ${private})
  endforeach()
  message("A temporary and a runtime folder for each of ${count} tests, in ${ROOT}")
elseif(MODE STREQUAL "check")
  set(left_behind FALSE)
  foreach(number RANGE ${last_test})
    list(GET tests ${number} test)
    set(tmp "${ROOT}/${number}/tmp")
    file(GLOB left RELATIVE "${tmp}" "${tmp}/*")
    if(left)
      list(JOIN left ", " left)
      message("${test} left in its TMPDIR (${tmp}): ${left}")
      set(left_behind TRUE)
    endif()
  endforeach()
  if(left_behind)
    message(FATAL_ERROR "Files were left behind; they are kept for a look until the next run")
  endif()
  file(REMOVE_RECURSE "${ROOT}")
  message("Nothing left behind in the temporary folders of the tests")
else()
  message(FATAL_ERROR "MODE must be make or check, not \"${MODE}\"")
endif()
