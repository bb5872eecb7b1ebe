# Read by cpack before it writes the package (CPACK_PROJECT_CONFIG_FILE). Every time stamp in
# the package is that of the last commit (SOURCE_DATE_EPOCH, which the DEB generator honours),
# so one commit gives the same package, byte for byte, whenever and wherever it is built. A
# SOURCE_DATE_EPOCH already set is kept; outside a git checkout the changelog's date serves.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND git -C "${CPACK_GAVRENTO_SOURCE_DIR}" log -1 --format=%ct
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  if(NOT epoch)
    execute_process(COMMAND dpkg-parsechangelog -STimestamp
      -l "${CPACK_GAVRENTO_SOURCE_DIR}/packaging/debian/changelog"
      OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(epoch)
    set(ENV{SOURCE_DATE_EPOCH} "${epoch}")
  else()
    message(WARNING "Neither git nor dpkg-parsechangelog gave a date: the package's time "
      "stamps are today's, and another build of the same sources will differ from it")
  endif()
endif()
