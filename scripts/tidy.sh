#!/usr/bin/env bash
# clang-tidy (.clang-tidy) on the program's own sources; any warning fails. The sources the
# Linux build compiles are read with its compile commands; the Win32 runtime with the 64-bit
# Windows build's, parsed for the mingw-w64 target against that compiler's own C++ headers,
# which clang does not find by itself (their folder is named 12-win32, not a version).
# Usage: scripts/tidy.sh LINUX_BUILD WINDOWS_BUILD
set -uo pipefail
linux_build=$1
windows_build=$2
readonly sources="$PWD/(calc|runtime|window)/"
readonly mingw_cxx=x86_64-w64-mingw32-g++-win32

mingw_args=(-extra-arg=--target=x86_64-w64-mingw32 -extra-arg=-nostdinc++)
while read -r folder; do
  mingw_args+=("-extra-arg=-isystem$folder")
done < <(echo | "$mingw_cxx" -std=c++20 -E -x c++ - -v 2>&1 |
  sed -n '/#include <...> search starts here/,/End of search list/p' | grep -E '^ /.*c\+\+')

status=0
tidy() { # tidy BUILD FILE_REGEX [ARGS...]: prints the warnings, sorted and once each
  local build=$1 files=$2 log=$1/clang-tidy.log
  shift 2
  echo "clang-tidy on $(grep -cE "\"file\": \"$files" "$build/compile_commands.json") files in $build"
  run-clang-tidy-14 -p "$build" -quiet "$@" "^$files" >"$log" 2>&1 || status=1
  sed 's/\x1b\[[0-9;]*m//g' "$log" | grep -E 'warning:|error:' | sort -u
}
tidy "$linux_build" "$sources"
tidy "$windows_build" "$PWD/runtime/win32/" "${mingw_args[@]}"
exit $status
