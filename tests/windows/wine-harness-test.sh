#!/usr/bin/env bash
# The wine harness on machines this one is not: a kernel that cannot execute 32-bit
# programs skips the 32-bit program and says why, and a wine without its loader fails
# within seconds with one message. Both are made here with stand-in loaders.
# Usage: tests/windows/wine-harness-test.sh PROGRAM.exe
set -uo pipefail
source "$(dirname "$0")/../checks.sh"
wine_sh=$(dirname "$0")/wine.sh
program=$1
work_folder

# An executable the kernel refuses as it refuses a 32-bit one where that support is missing.
cp /bin/true "$work/loader32"
printf '\0\0' | dd of="$work/loader32" bs=1 seek=18 conv=notrunc status=none

# expect_wine NAME STATUS TEXT -- ENV... : runs wine.sh with ENV; it must exit STATUS and say TEXT
expect_wine() {
  local name=$1 status=$2 text=$3 output actual
  shift 4
  output=$(env -u GAVRENTO_NO_32BIT -u GAVRENTO_WINE32_LOADER -u GAVRENTO_WINE64_LOADER "$@" "$wine_sh" i686 "$work/prefix" "$program" 2>&1)
  actual=$?
  if [[ $actual -eq $status && $output == *"$text"* ]]; then
    pass "$name"
  else
    fail "$name" "exit $actual, said: $output"
  fi
}

expect_wine "no 32-bit support: skipped, with the reason" 77 \
  "this machine cannot execute 32-bit programs" -- GAVRENTO_WINE32_LOADER="$work/loader32"
expect_wine "32-bit path forced off: skipped, with the reason" 77 "GAVRENTO_NO_32BIT is set" -- \
  GAVRENTO_NO_32BIT=1
expect_wine "no 32-bit loader at all: a failure, not a skip" 1 "loader $work/none is missing" -- \
  GAVRENTO_WINE32_LOADER="$work/none"
expect_wine "no wine loader: fails at once" 1 "wine cannot start programs" -- \
  GAVRENTO_WINE64_LOADER="$work/none"
check "no prefix is made when nothing can run" test ! -e "$work/prefix"
finish "wine harness"
