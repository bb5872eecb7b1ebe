#!/usr/bin/env bash
# Builds and checks the Windows builds, one CMake workflow per preset (windows-32 builds into
# build-win32, windows-64 into build-win64: configured, built, and every check run with
# CTest), and closes with a line per executable: driven under wine, or not and why. Fails
# when any build or check failed.
# Usage: scripts/test-windows.sh PRESET...   (GAVRENTO_WINDOWS_SCREENSHOT=FILE.png: pictures
# of the 64-bit window, which runs on every machine, at 96 dots per inch in FILE.png and at
# 144 in FILE-144dpi.png)
set -uo pipefail
# Made absolute here: CTest runs each test in its own build folder.
screenshot=${GAVRENTO_WINDOWS_SCREENSHOT:+$(realpath -m "$GAVRENTO_WINDOWS_SCREENSHOT")}
status=0
summary=()
for preset in "$@"; do
  build=build-win${preset#windows-}
  shot=
  [[ $preset == windows-64 ]] && shot=$screenshot
  passed=yes
  log=$build/Testing/Temporary/LastTest.log
  rm -f "$log"
  GAVRENTO_WINDOWS_SCREENSHOT=$shot cmake --workflow --preset "$preset" || passed=no status=1
  # A skipped run says why on its first line of output, kept in CTest's log.
  why=$(grep -s -m1 -h '^SKIPPED: ' "$log")
  line=${why#SKIPPED: }
  [[ $passed == yes && -z $why ]] && line="driven under wine, every check passed"
  [[ $passed == no ]] && line="FAILED, see its checks above${why:+; ${why#SKIPPED: }}"
  summary+=("$build/Gavrento.exe: $line")
done
echo "== Windows programs"
printf '%s\n' "${summary[@]}"
exit $status
