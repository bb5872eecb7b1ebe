# Makes the Windows Installer package of one Gavrento.exe, the same bytes from the same inputs.
#
#   cmake -DSOURCE_DIR=DIR -DVERSION=1.00 "-DDESCRIPTION=Calcola ..." -DARCH=x86_64
#         -DEXECUTABLE=Gavrento.exe -DOUTPUT=Gavrento-1.00-x64.msi -DWORK_DIR=DIR
#         -P packaging/windows/msi.cmake
# VERSION and DESCRIPTION are the project's, as CMakeLists.txt names them.
#
# wixl builds the package from gavrento.wxs.in; msibuild then stamps its summary. Left to
# themselves they would make every package different: wixl draws a new package code and
# writes the time of day, and the cabinet keeps the executable's modification time. So the
# package code is made from what the package holds, and every time in it is the commit's
# (SOURCE_DATE_EPOCH), as in the Debian package. Both tools turn text into the database's
# code page through the locale they run in; they run in the C locale and the database is
# given Windows' Western code page, so the Italian texts read the same on every Windows and
# the bytes do not depend on the builder's language.
cmake_minimum_required(VERSION 3.25)

foreach(name SOURCE_DIR VERSION DESCRIPTION ARCH EXECUTABLE OUTPUT WORK_DIR)
  if(NOT DEFINED ${name})
    message(FATAL_ERROR "msi.cmake needs -D${name}=...")
  endif()
endforeach()
include(${CMAKE_CURRENT_LIST_DIR}/msi-identity.cmake)
find_program(WIXL wixl REQUIRED)
find_program(MSIBUILD msibuild REQUIRED)

# Windows Installer compares versions as major.minor.build, each a number; "1.00" is 1.0.0.
if(NOT VERSION MATCHES "^([0-9]+)\\.([0-9]+)$")
  message(FATAL_ERROR "the version '${VERSION}' is not MAJOR.MINOR")
endif()
math(EXPR major "${CMAKE_MATCH_1}")
math(EXPR minor "${CMAKE_MATCH_2}")
if(major GREATER 255 OR minor GREATER 255)
  message(FATAL_ERROR "the version '${VERSION}' is beyond what Windows Installer compares")
endif()
set(MSI_VERSION ${major}.${minor}.0)
set(MSI_VERSION_ABOVE ${major}.${minor}.1)  # no package has it: the lowest version above this one
# A new ProductCode with each version: a later package then replaces an earlier one.
string(UUID MSI_PRODUCT_CODE NAMESPACE ${MSI_NAMESPACE}
  NAME "Gavrento ${MSI_ARCH_LABEL} ${MSI_VERSION}" TYPE SHA1 UPPER)
set(MSI_SUBJECT "Gavrento ${VERSION}")
# What the program does: the package's comment and the Start-menu shortcut's description.
set(MSI_DESCRIPTION "${DESCRIPTION}")

# The commit's time, unless SOURCE_DATE_EPOCH is set already (the Debian package's rule).
set(CPACK_GAVRENTO_SOURCE_DIR ${SOURCE_DIR})
include(${SOURCE_DIR}/packaging/source-date-epoch.cmake)

# The files the package holds, in a folder of their own where wixl finds them by name, with
# the commit's time: the cabinet keeps each file's modification time.
set(stage ${WORK_DIR}/stage)
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${stage})
file(COPY_FILE ${EXECUTABLE} ${stage}/Gavrento.exe)
file(COPY_FILE ${SOURCE_DIR}/packaging/windows/gavrento.ico ${stage}/gavrento.ico)
set(staged ${stage}/Gavrento.exe ${stage}/gavrento.ico)
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  execute_process(COMMAND touch -d @$ENV{SOURCE_DATE_EPOCH} ${staged} COMMAND_ERROR_IS_FATAL ANY)
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/gavrento.wxs.in ${WORK_DIR}/gavrento.wxs @ONLY)

set(tool_environment ${CMAKE_COMMAND} -E env LC_ALL=C TZ=UTC --unset=WINDOWS_LANGUAGE)
execute_process(
  COMMAND ${tool_environment} ${WIXL} --arch ${MSI_ARCH_LABEL} --output ${WORK_DIR}/built.msi
          ${WORK_DIR}/gavrento.wxs
  WORKING_DIRECTORY ${stage}
  COMMAND_ERROR_IS_FATAL ANY)

# The package code names this package and no other: made from everything it holds.
set(contents "")
foreach(input ${staged} ${WORK_DIR}/gavrento.wxs)
  file(SHA256 ${input} hash)
  string(APPEND contents " ${hash}")
endforeach()
string(UUID package_code NAMESPACE ${MSI_NAMESPACE} NAME "package${contents}" TYPE SHA1 UPPER)
string(TIMESTAMP stamp "%Y/%m/%d %H:%M:%S" UTC)  # SOURCE_DATE_EPOCH when it is set

# msibuild imports tables from files in the folder it runs in. Summary properties by number:
# 7 the platform and language, 9 the package code, 12 and 13 created and last saved.
file(WRITE ${WORK_DIR}/_SummaryInformation.idt
  "PropertyId\tValue\r\ni2\tl255\r\n_SummaryInformation\tPropertyId\r\n"
  "7\t${MSI_PLATFORM};1040\r\n9\t{${package_code}}\r\n12\t${stamp}\r\n13\t${stamp}\r\n")
file(WRITE ${WORK_DIR}/_ForceCodepage.idt "\r\n\r\n1252\t_ForceCodepage\r\n")
execute_process(
  COMMAND ${tool_environment} ${MSIBUILD} built.msi -i _SummaryInformation.idt _ForceCodepage.idt
  WORKING_DIRECTORY ${WORK_DIR}
  COMMAND_ERROR_IS_FATAL ANY)

file(COPY_FILE ${WORK_DIR}/built.msi ${OUTPUT})
message(STATUS "Wrote ${OUTPUT}: Gavrento ${MSI_VERSION} for ${MSI_ARCH_LABEL}, package {${package_code}}")
