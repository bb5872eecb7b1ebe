#!/usr/bin/env bash
# The wine harness on machines this one is not: a kernel that cannot execute 32-bit
# programs skips the 32-bit program and says why, and a wine without its loader fails
# within seconds with one message. Both are made here with stand-in loaders.
# Usage: tests/windows/wine-harness-test.sh PROGRAM.exe
set -uo pipefail
wine_sh=$(dirname "$0")/wine.sh
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# An executable the kernel refuses as it refuses a 32-bit one where that support is missing.
cp /bin/true "$work/loader32"
printf '\0\0' | dd of="$work/loader32" bs=1 seek=18 conv=notrunc status=none

failed=0
expect() { # expect NAME STATUS TEXT -- ENV... : runs wine.sh with ENV, checks status and text
  local name=$1 status=$2 text=$3 output actual
  shift 4
  output=$(env -u GAVRENTO_NO_32BIT -u GAVRENTO_WINE32_LOADER -u GAVRENTO_WINE64_LOADER "$@" "$wine_sh" i686 "$work/prefix" "$program" 2>&1)
  actual=$?
  if [[ $actual -eq $status && $output == *"$text"* ]]; then
    echo "PASS $name"
  else
    echo "FAIL $name: exit $actual, said: $output"
    failed=1
  fi
}

expect "no 32-bit support: skipped, with the reason" 77 \
  "this machine cannot execute 32-bit programs" -- GAVRENTO_WINE32_LOADER="$work/loader32"
expect "32-bit path forced off: skipped, with the reason" 77 "GAVRENTO_NO_32BIT is set" -- \
  GAVRENTO_NO_32BIT=1
expect "no 32-bit loader at all: a failure, not a skip" 1 "loader $work/none is missing" -- \
  GAVRENTO_WINE32_LOADER="$work/none"
expect "no wine loader: fails at once" 1 "wine cannot start programs" -- \
  GAVRENTO_WINE64_LOADER="$work/none"
[[ ! -e $work/prefix ]] || { echo "FAIL a prefix was made although nothing could run"; failed=1; }
exit $failed
