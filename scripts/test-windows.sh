#!/usr/bin/env bash
# Runs the checks of the Windows builds, one CTest run per preset (windows-32 builds into
# build-win32, windows-64 into build-win64), and closes with a line per executable: driven
# under wine, or not and why. Fails when any check failed.
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
  GAVRENTO_WINDOWS_SCREENSHOT=$shot ctest --preset "$preset" || passed=no status=1
  # A skipped run says why on its first line of output, kept in CTest's log.
  why=$(grep -m1 -h '^SKIPPED: ' "$build/Testing/Temporary/LastTest.log")
  line=${why#SKIPPED: }
  [[ $passed == yes && -z $why ]] && line="driven under wine, every check passed"
  [[ $passed == no ]] && line="FAILED, see its checks above${why:+; ${why#SKIPPED: }}"
  summary+=("$build/Gavrento.exe: $line")
done
echo "== Windows programs"
printf '%s\n' "${summary[@]}"
exit $status
