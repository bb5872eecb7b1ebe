#!/usr/bin/env bash
# CMake's emulator for the Windows builds: runs one of their programs under wine.
# Usage: tests/windows/wine.sh ARCH PREFIX PROGRAM.exe [ARGS...]
#   ARCH    i686 or x86_64, the processor the program was built for
#   PREFIX  the wine prefix, created on first use
# Exits 77, a skipped test, when the program is 32-bit and the machine cannot run it.
set -uo pipefail
source "$(dirname "$0")/../checks.sh"
source "$(dirname "$0")/wine-env.sh"
wine_prepare "$1" "$2" || exit
shift 2
# Not exec: the server is stopped and its folder removed once the program has ended.
wine_run "$@"
